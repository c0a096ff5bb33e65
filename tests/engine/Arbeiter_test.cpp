// Tasks spread over threads: results taken in order, the calling thread kept busy
// with messages while it waits, errors where their task is taken, the bound on the
// tasks run ahead, and an end that does not wait for tasks never taken.
#include "engine/Arbeiter.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace zenaro {
namespace {

class Arbeitsgruppe : public ::testing::Test {
protected:
    void TearDown() override { SetzeArbeiterzahl(0); }
};

TEST_F(Arbeitsgruppe, TheNumberOfThreadsIsOnePerCoreUnlessSet) {
    const auto kerne = static_cast<std::int32_t>(std::thread::hardware_concurrency());
    EXPECT_EQ(Arbeiterzahl(), kerne > 0 ? kerne : 1);
    SetzeArbeiterzahl(3);
    EXPECT_EQ(Arbeiterzahl(), 3);
    SetzeArbeiterzahl(-2);
    EXPECT_EQ(Arbeiterzahl(), kerne > 0 ? kerne : 1);
}

TEST_F(Arbeitsgruppe, OnOneThreadEachTaskRunsWhenItsResultIsTaken) {
    SetzeArbeiterzahl(1);
    std::vector<int> reihenfolge;
    TArbeitsgruppe gruppe(5, [&](std::size_t k) { reihenfolge.push_back(static_cast<int>(k)); });
    EXPECT_TRUE(reihenfolge.empty());
    gruppe.Abwarten(0);
    gruppe.Abwarten(2);
    EXPECT_EQ(reihenfolge, (std::vector<int>{0, 1, 2}));
    gruppe.Abwarten(2);
    EXPECT_EQ(reihenfolge.size(), 3u);
}

TEST_F(Arbeitsgruppe, ResultsAreTakenInOrderAndAnErrorWhereItsTaskIsTaken) {
    for (const std::int32_t arbeiter : {1, 4}) {
        SCOPED_TRACE(arbeiter);
        SetzeArbeiterzahl(arbeiter);
        std::vector<long> quadrat(200, -1);
        TArbeitsgruppe gruppe(200, [&](std::size_t k) {
            if (k == 150) throw std::runtime_error("task 150");
            quadrat[k] = static_cast<long>(k * k);
        });
        for (std::size_t k = 0; k < 150; ++k) {
            gruppe.Abwarten(k);
            ASSERT_EQ(quadrat[k], static_cast<long>(k * k));
        }
        EXPECT_THROW(gruppe.Abwarten(150), std::runtime_error);
        EXPECT_THROW(gruppe.Abwarten(200), std::out_of_range);
    }
}

TEST_F(Arbeitsgruppe, WhileWaitingTheCallingThreadProcessesMessages) {
    SetzeArbeiterzahl(2);
    int verarbeitet = 0;
    TArbeitsgruppe gruppe(
        2, [](std::size_t) { std::this_thread::sleep_for(std::chrono::milliseconds(150)); });
    gruppe.Abwarten(0, [&] { ++verarbeitet; });
    EXPECT_GE(verarbeitet, 1);
}

TEST_F(Arbeitsgruppe, TasksRunAheadOnlyWithinTheBound) {
    SetzeArbeiterzahl(4);
    std::atomic<int> begonnen{0};
    TArbeitsgruppe gruppe(
        10,
        [&](std::size_t) {
            ++begonnen;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        },
        2);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_LE(begonnen.load(), 2);
    gruppe.Abwarten(3);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_LE(begonnen.load(), 5);
    gruppe.Abwarten(9);
    EXPECT_EQ(begonnen.load(), 10);
}

TEST_F(Arbeitsgruppe, TheEndStartsNoFurtherTask) {
    SetzeArbeiterzahl(4);
    std::atomic<int> gelaufen{0};
    {
        TArbeitsgruppe gruppe(1000, [&](std::size_t) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ++gelaufen;
        });
        gruppe.Abwarten(0);
    }
    EXPECT_LT(gelaufen.load(), 1000);
}

}  // namespace
}  // namespace zenaro
