# Build-time settings of the program (see README).
set(TAVRIN_TRAINING_HOST "127.0.0.1:8931" CACHE STRING "host[:port] of the training pages (start and quiz page)")
set(TAVRIN_SHOP_HOST "127.0.0.1:8931" CACHE STRING "host[:port] of the shop page")
set(TAVRIN_SHOP_SOURCE "tavrin" CACHE STRING "referral value of the shop URL's 'source' query key")
