// The quiz arithmetic: counts in the grid, the exact message texts, the
// location check, and the picks (reachable, uniform, independent).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "app/Quiz.h"

namespace {

const std::string kPool(quiz::kGridLetters);

TEST(QuizCount, GridCountsAreCaseSensitiveAndCoverEveryCharacter) {
  ASSERT_EQ(kPool.size(), 130u);
  EXPECT_EQ(quiz::CountOccurrences(kPool, "S"), 5);
  EXPECT_EQ(quiz::CountOccurrences(kPool, "K"), 6);
  EXPECT_EQ(quiz::CountOccurrences(kPool, "B"), 1);
  EXPECT_EQ(quiz::CountOccurrences(kPool, "i"), 3);
  EXPECT_EQ(quiz::CountOccurrences(kPool, "I"), 0);
  EXPECT_EQ(quiz::CountOccurrences(kPool, "SS"), 1);  // the adjacent pair at the end
  int total = 0;
  for (char c : std::set<char>(kPool.begin(), kPool.end())) total += quiz::CountOccurrences(kPool, std::string(1, c));
  EXPECT_EQ(total, 130);
}

TEST(QuizCount, OverlappingOccurrencesAllCount) {
  EXPECT_EQ(quiz::CountOccurrences("aaa", "aa"), 2);
  EXPECT_EQ(quiz::CountOccurrences("ababa", "aba"), 2);
  EXPECT_EQ(quiz::CountOccurrences("aaaa", "a"), 4);
  EXPECT_EQ(quiz::CountOccurrences("abc", "abcd"), 0);
  EXPECT_EQ(quiz::CountOccurrences("abc", ""), 0);
  EXPECT_EQ(quiz::CountOccurrences("", "a"), 0);
}

// The texts written out byte by byte, independently of how the program builds them.
const std::string kTaskHead = "\xE8\xAF\xB7\xE6\x89\xBE\xE5\x87\xBA\xE4\xB8\x8B\xE9\x9D\xA2\xE6\x98\xBE\xE7\xA4\xBA"
                              "\xE7\x9A\x84\xE5\xAD\x97\xE6\xAF\x8D\xE5\x87\xBA\xE7\x8E\xB0\xE4\xBA\x86\xE5\xA4\x9A"
                              "\xE5\xB0\x91\xE6\xAC\xA1\xEF\xBC\x9F\r"
                              "---------------------------------------\r";
const std::string kTaskTail = "\r---------------------------------------\r";
const std::string kAnswerHead = "\xE6\xAD\xA3\xE7\xA1\xAE\xE7\x9A\x84\xE7\xAD\x94\xE6\xA1\x88\xE6\x98\xAF\xEF\xBC\x9A\r"
                                "---------------------------------------------\r";
const std::string kAnswerTail = "\r---------------------------------------------\r";
const std::string kTimes = "\xE6\xAC\xA1";

TEST(QuizMessages, TaskTextsForOneTwoAndThreeCharacters) {
  EXPECT_EQ(quiz::TaskMessage({"S"}), kTaskHead + "                       S" + kTaskTail);
  EXPECT_EQ(quiz::TaskMessage({"S", "K"}), kTaskHead + "                S                K" + kTaskTail);
  EXPECT_EQ(quiz::TaskMessage({"S", "K", "B"}), kTaskHead + "          S          K          B" + kTaskTail);
  EXPECT_EQ(quiz::TaskMessage({"S"}).find('\n'), std::string::npos);
  EXPECT_THROW(quiz::TaskMessage({}), std::invalid_argument);
  EXPECT_THROW(quiz::TaskMessage({"A", "B", "C", "D"}), std::invalid_argument);
}

TEST(QuizMessages, AnswerTextsForOneTwoAndThreeCharacters) {
  EXPECT_EQ(quiz::AnswerMessage({"S"}, kPool), kAnswerHead + "     S: 5" + kTimes + kAnswerTail);
  EXPECT_EQ(quiz::AnswerMessage({"K", "i"}, kPool),
            kAnswerHead + "     K: 6" + kTimes + "     i: 3" + kTimes + kAnswerTail);
  EXPECT_EQ(quiz::AnswerMessage({"S", "K", "B"}, kPool),
            kAnswerHead + "     S: 5" + kTimes + "     K: 6" + kTimes + "     B: 1" + kTimes + kAnswerTail);
  // The same character asked twice is listed twice.
  EXPECT_EQ(quiz::AnswerMessage({"I", "I"}, kPool),
            kAnswerHead + "     I: 0" + kTimes + "     I: 0" + kTimes + kAnswerTail);
}

TEST(QuizLocation, OnlyTheQuizPageItselfCounts) {
  const std::string caps = "HTTP://TRAINING.EXAMPLE:8080/SOFT/TAVRIN.ASPX";
  EXPECT_TRUE(quiz::IsQuizLocation("http://training.example:8080/soft/tavrin.aspx", caps));
  EXPECT_TRUE(quiz::IsQuizLocation("HTTP://Training.Example:8080/Soft/Tavrin.ASPX", caps));
  EXPECT_FALSE(quiz::IsQuizLocation("http://training.example:8080/soft/tavrin.aspx?x=1", caps));
  EXPECT_FALSE(quiz::IsQuizLocation("http://training.example:8080/soft/tavrin.aspx/", caps));
  EXPECT_FALSE(quiz::IsQuizLocation("http://training.example:8080/soft/tavrin.aspx#top", caps));
  EXPECT_FALSE(quiz::IsQuizLocation("http://training.example:8080/soft/tavrin.htm", caps));
  EXPECT_FALSE(quiz::IsQuizLocation("http://other.example:8080/soft/tavrin.aspx", caps));
  EXPECT_FALSE(quiz::IsQuizLocation("https://training.example:8080/soft/tavrin.aspx", caps));
  EXPECT_FALSE(quiz::IsQuizLocation("", caps));
  // Only a to z change case: other bytes (UTF-8 of Chinese, say) stay as they are.
  EXPECT_EQ(quiz::UpperAscii("a\xE4\xB8\xADz{"), "A\xE4\xB8\xADZ{");
}

TEST(QuizLocation, BuildSettingsAgree) {
  EXPECT_TRUE(quiz::IsQuizLocation(quiz::QuizPageUrl(), quiz::QuizPageUrlInCapitals()));
  EXPECT_FALSE(quiz::IsQuizLocation(quiz::StartPageUrl(), quiz::QuizPageUrlInCapitals()));
  EXPECT_NE(quiz::ShopPageUrl().find("/?source="), std::string::npos);
}

TEST(QuizLocation, EveryNavigationErrorButAMissingViewerIsAFailedLoad) {
  struct Case {
    std::uint32_t status;
    bool failed;
    std::string reason;  // as the message names it
  };
  const Case cases[] = {
      {404, true, "HTTP 404"},
      {500, true, "HTTP 500"},
      {0x800C0008, true, "0x800C0008"},  // download failure: Wine's word for a refused connection
      {0x800C0004, true, "0x800C0004"},  // cannot connect
      {0x800C0005, true, "0x800C0005"},  // resource not found
      {0x800C0010, false, "0x800C0010"},  // downloaded, but no viewer: every page under Wine without Gecko
  };
  const std::string kFailedHead = "\xE6\x97\xA0\xE6\xB3\x95\xE6\x89\x93\xE5\xBC\x80"
                                  "\xE8\xAE\xAD\xE7\xBB\x83\xE9\xA1\xB5\xE9\x9D\xA2\xEF\xBC\x9A\r";
  const std::string url = "http://training.example:8080/soft/tavrin.aspx";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    EXPECT_EQ(quiz::IsFailedLoad(std::int32_t(c.status)), c.failed);
    const std::string text = quiz::PageFailedMessage(url, std::int32_t(c.status));
    EXPECT_EQ(text.rfind(kFailedHead + url + "\r", 0), 0u) << text;
    EXPECT_NE(text.find(c.reason), std::string::npos) << text;
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.back(), '\r');
  }
}

// A pool whose 130 characters are all different, so a pick tells its position.
std::string DistinctPool() {
  std::string pool;
  for (int i = 0; i < 130; ++i) pool += char(33 + i);
  return pool;
}

TEST(QuizPicks, EveryPositionIsReachableAndEquallyLikely) {
  const std::string pool = DistinctPool();
  quiz::TLetterPicker picker(20240601);
  constexpr int kPerPosition = 200;
  std::map<char, int> seen;
  for (int i = 0; i < 130 * kPerPosition; ++i) {
    const std::string pick = picker.Pick(pool);
    ASSERT_EQ(pick.size(), 1u);
    ++seen[pick[0]];
  }
  ASSERT_EQ(seen.size(), 130u) << "some position was never picked";
  double chiSquare = 0;
  for (const auto& [c, n] : seen) chiSquare += double(n - kPerPosition) * (n - kPerPosition) / kPerPosition;
  EXPECT_LT(chiSquare, 182.0);  // 129 degrees of freedom, p = 0.001
  EXPECT_EQ(picker.Pick(""), "");
}

TEST(QuizPicks, PicksMadeInOneClockTickAreIndependent) {
  // A generator seeded anew from the clock for each pick gives the same
  // character for picks made in quick succession; the program's must not.
  const std::string pool = DistinctPool();
  int same = 0;
  constexpr int kPairs = 2000;
  for (int i = 0; i < kPairs; ++i) same += quiz::PickLetter(pool) == quiz::PickLetter(pool);
  EXPECT_LT(same, kPairs / 20);  // about 1 in 130 by chance
  std::set<std::string> firstOfGrid;
  for (int i = 0; i < 2000; ++i) firstOfGrid.insert(quiz::PickLetter(kPool));
  EXPECT_EQ(firstOfGrid.size(), std::set<char>(kPool.begin(), kPool.end()).size());
}

}  // namespace
