// The arithmetic of the attention quiz: picking the characters to look for,
// counting them in the grid, the texts of the task and the answer, and
// recognising the quiz page's address and a failed load of it. Portable (no Win32), tested natively.
// Texts are UTF-8; every line of a message ends with a lone "\r".
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace quiz {

// The 130 characters of the grid on the quiz page, row by row.
extern const std::string_view kGridLetters;

// Occurrences of `sub` in `text`, overlapping ones included ("aa" is twice in
// "aaa"); 0 for an empty `sub`.
int CountOccurrences(std::string_view text, std::string_view sub);

// Draws characters of a pool, every position equally likely, each draw
// independent of the others.
class TLetterPicker {
 public:
  explicit TLetterPicker(std::uint64_t seed) : engine_(seed) {}
  // One character of `pool` (a one-character string); empty for an empty pool.
  std::string Pick(std::string_view pool);

 private:
  std::mt19937_64 engine_;
};

// Picks with the program's one picker, seeded once when first used.
std::string PickLetter(std::string_view pool);

// The task: which characters to count (one to three, in the order picked).
// Throws std::invalid_argument for another number of characters.
std::string TaskMessage(const std::vector<std::string>& letters);
// The answer: each character with its count in `pool`.
std::string AnswerMessage(const std::vector<std::string>& letters, std::string_view pool);

// ASCII letters a to z in capitals; everything else unchanged.
std::string UpperAscii(std::string_view text);
// True when `location` (UTF-8) is exactly the quiz page, compared in capitals.
bool IsQuizLocation(std::string_view location, std::string_view quizUrlInCapitals);

// True when a navigation error's status (an HTTP status such as 404, or an
// error code, an HRESULT) means the page could not be loaded.
bool IsFailedLoad(std::int32_t status);
// The message when a page could not be opened: its address and the status.
std::string PageFailedMessage(std::string_view url, std::int32_t status);

// The pages, from the build settings.
std::string StartPageUrl();
std::string QuizPageUrl();
// The quiz page's address written in capitals, as locations are compared with it.
std::string QuizPageUrlInCapitals();
std::string ShopPageUrl();

}  // namespace quiz
