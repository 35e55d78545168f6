# Native test builds run under AddressSanitizer and UndefinedBehaviorSanitizer.
option(TAVRIN_SANITIZE "Build native code with ASan and UBSan" OFF)
if(TAVRIN_SANITIZE AND NOT WIN32)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
