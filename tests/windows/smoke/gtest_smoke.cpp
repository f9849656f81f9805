// GoogleTest and GoogleMock built for MinGW, run under Wine: an assertion, a
// mock, and a std::thread (the posix thread model of the compiler).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace {

class Greeter {
public:
    virtual ~Greeter() = default;
    virtual std::string Greet(const std::string& name) = 0;
};

class MockGreeter : public Greeter {
public:
    MOCK_METHOD(std::string, Greet, (const std::string& name), (override));
};

TEST(WindowsSmoke, MockAnswersAsTold)
{
    MockGreeter greeter;
    EXPECT_CALL(greeter, Greet("toki")).WillOnce(testing::Return("hello toki"));
    EXPECT_EQ(greeter.Greet("toki"), "hello toki");
}

TEST(WindowsSmoke, ThreadRunsAndJoins)
{
    std::atomic<int> sum{0};
    std::thread worker([&sum] {
        for (int i = 1; i <= 100; ++i) {
            sum += i;
        }
    });
    worker.join();
    EXPECT_EQ(sum.load(), 5050);
}

TEST(WindowsSmoke, WideStringsRoundTrip)
{
    const std::wstring wide = L"\u5b50\u306e\u523b";  // three CJK characters
    EXPECT_EQ(wide.size(), 3u);  // wchar_t is 16 bits on Windows: no surrogates here
    EXPECT_EQ(sizeof(wchar_t), 2u);
}

}  // namespace
