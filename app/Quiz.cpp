#include "app/Quiz.h"

#include <chrono>
#include <cstdio>
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

// The browser control's "no viewer for the document" error
// (INET_E_CANNOT_INSTANTIATE_OBJECT).
constexpr std::int32_t kNoViewer = std::int32_t(0x800C0010u);

bool IsHttpStatus(std::int32_t status) { return status >= 100 && status <= 599; }

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

// Measured with Wine's control (no Wine Gecko, so no page is ever rendered),
// in the order the events arrive, all within one message:
//   200:                 DownloadComplete, then NavigateError 0x800C0010;
//   404 / 500:           NavigateError 404 / 500, DownloadComplete, NavigateError 0x800C0010;
//   connection refused:  DownloadComplete, then NavigateError 0x800C0008 (INET_E_DOWNLOAD_FAILURE).
// DownloadComplete reports the requested address in every case, so only the
// error tells a failed load. 0x800C0010 follows every download there: the page
// came, only nothing can show it, which is no failure of the load. Any other
// status is (the control raises the event only for HTTP statuses of 400 and up).
bool IsFailedLoad(std::int32_t status) { return status != kNoViewer; }

std::string PageFailedMessage(std::string_view url, std::int32_t status) {
  char reason[40];
  if (IsHttpStatus(status))
    std::snprintf(reason, sizeof reason, "服务器回答 HTTP %d。", int(status));
  else
    std::snprintf(reason, sizeof reason, "错误代码 0x%08X。", unsigned(std::uint32_t(status)));
  return "无法打开训练页面：" + std::string(1, kLineEnd) + std::string(url) + kLineEnd + reason + kLineEnd +
         "请确认训练服务器已经运行，然后再试一次。" + kLineEnd;
}

std::string StartPageUrl() { return "http://" TAVRIN_TRAINING_HOST "/soft/tavrin.htm"; }
std::string QuizPageUrl() { return "http://" TAVRIN_TRAINING_HOST "/soft/tavrin.aspx"; }
std::string QuizPageUrlInCapitals() { return TAVRIN_QUIZ_URL_CAPITALS; }
std::string ShopPageUrl() { return "http://" TAVRIN_SHOP_HOST "/?source=" TAVRIN_SHOP_SOURCE; }

}  // namespace quiz
