#include "app/Quiz.h"

#include <chrono>
#include <stdexcept>

namespace quiz {

const std::string_view kGridLetters =
    "D346CiNZKNDPiEA2L85GKLOFQJPEH61YVDVR8UMNOXFASH9A3SXYUJFC7RATWB1KW4VDQK2DMQO4M2PK5SMZH7LPQ5G6ZO785GXN63F1J4HiJCY"
    "FKH98NTYVL1RG9W8TSS";

namespace {

constexpr char kLineEnd = '\r';
const std::string kTaskTitle = "请找出下面显示的字母出现了多少次？";
const std::string kAnswerTitle = "正确的答案是：";
const std::string kTimes = "次";

std::uint64_t OneTimeSeed() {
  std::random_device device;
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  return (std::uint64_t(device()) << 32) ^ std::uint64_t(device()) ^ std::uint64_t(now);
}

}  // namespace

int CountOccurrences(std::string_view text, std::string_view sub) {
  if (sub.empty()) return 0;
  int count = 0;
  for (std::size_t pos = text.find(sub); pos != std::string_view::npos; pos = text.find(sub, pos + 1)) ++count;
  return count;
}

std::string TLetterPicker::Pick(std::string_view pool) {
  if (pool.empty()) return {};
  std::uniform_int_distribution<std::size_t> position(0, pool.size() - 1);
  return std::string(1, pool[position(engine_)]);
}

std::string PickLetter(std::string_view pool) {
  static TLetterPicker picker(OneTimeSeed());
  return picker.Pick(pool);
}

std::string TaskMessage(const std::vector<std::string>& letters) {
  std::size_t gap;
  switch (letters.size()) {
    case 1: gap = 23; break;
    case 2: gap = 16; break;
    case 3: gap = 10; break;
    default: throw std::invalid_argument("an exercise asks for one to three characters");
  }
  const std::string rule(39, '-');
  std::string text = kTaskTitle + kLineEnd + rule + kLineEnd;
  for (const std::string& letter : letters) text += std::string(gap, ' ') + letter;
  return text + kLineEnd + rule + kLineEnd;
}

std::string AnswerMessage(const std::vector<std::string>& letters, std::string_view pool) {
  const std::string rule(45, '-');
  std::string text = kAnswerTitle + kLineEnd + rule + kLineEnd;
  for (const std::string& letter : letters)
    text += "     " + letter + ": " + std::to_string(CountOccurrences(pool, letter)) + kTimes;
  return text + kLineEnd + rule + kLineEnd;
}

std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
  return out;
}

bool IsQuizLocation(std::string_view location, std::string_view quizUrlInCapitals) {
  return UpperAscii(location) == quizUrlInCapitals;
}

std::string StartPageUrl() { return "http://" TAVRIN_TRAINING_HOST "/soft/tavrin.htm"; }
std::string QuizPageUrl() { return "http://" TAVRIN_TRAINING_HOST "/soft/tavrin.aspx"; }
std::string QuizPageUrlInCapitals() { return TAVRIN_QUIZ_URL_CAPITALS; }
std::string ShopPageUrl() { return "http://" TAVRIN_SHOP_HOST "/?source=" TAVRIN_SHOP_SOURCE; }

}  // namespace quiz
