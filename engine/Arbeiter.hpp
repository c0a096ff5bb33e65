// The work of one computation spread over the processor's cores: tasks numbered
// 0, 1, 2, ... run on worker threads in the order of their numbers, and the calling
// thread takes their results in that same order, so that everything that has to
// happen in order (appending rows, the passage search, the progress window) stays on
// the calling thread.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace zenaro {

// Number of threads a computation uses: one per core by default. SetzeArbeiterzahl
// sets it (a number below 1 sets the default again). With 1 no thread is started:
// each task runs on the calling thread at the moment its result is asked for, which
// is the plain computation in order.
std::int32_t Arbeiterzahl();
void SetzeArbeiterzahl(std::int32_t anzahl);

class TArbeitsgruppe {
public:
    // Starts the workers for the tasks 0..anzahl-1 (at most Arbeiterzahl(), none for
    // a single task). A task is started only when fewer than `vorlauf` tasks lie
    // between it and the first one not yet taken by Abwarten, which bounds the
    // results waiting to be taken.
    TArbeitsgruppe(std::size_t anzahl, std::function<void(std::size_t)> aufgabe,
                   std::size_t vorlauf = static_cast<std::size_t>(-1));
    // Starts no further task and waits for the running ones.
    ~TArbeitsgruppe();
    TArbeitsgruppe(const TArbeitsgruppe&) = delete;
    TArbeitsgruppe& operator=(const TArbeitsgruppe&) = delete;

    // Waits until task k has run, calling `waehrenddessen` (when given) whenever the
    // wait has lasted another 40 ms, and throws what escaped the task. The tasks are
    // to be taken in ascending order; a number beyond them throws std::out_of_range.
    void Abwarten(std::size_t k, const std::function<void()>& waehrenddessen = {});

private:
    void Arbeiten();
    void Ausfuehren(std::size_t k);

    std::size_t anzahl_;
    std::function<void(std::size_t)> aufgabe_;
    std::size_t vorlauf_;
    std::mutex sperre_;
    std::condition_variable fertigMeldung_;  // a task has run
    std::condition_variable freigabe_;       // the window of tasks moved, or the end
    std::vector<char> fertig_;
    std::vector<std::exception_ptr> fehler_;
    std::size_t naechste_ = 0;  // the next task to start
    std::size_t grenze_ = 0;    // tasks below it may start
    bool ende_ = false;
    std::vector<std::thread> arbeiter_;
};

}  // namespace zenaro
