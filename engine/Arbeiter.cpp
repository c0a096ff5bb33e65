#include "engine/Arbeiter.hpp"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <stdexcept>
#include <system_error>
#include <utility>

namespace zenaro {

namespace {

std::atomic<std::int32_t> eingestellteZahl{0};

constexpr auto Nachrichtenabstand = std::chrono::milliseconds(40);

std::size_t Summe(std::size_t a, std::size_t b) {
    return a > static_cast<std::size_t>(-1) - b ? static_cast<std::size_t>(-1) : a + b;
}

}  // namespace

std::int32_t Arbeiterzahl() {
    const std::int32_t eingestellt = eingestellteZahl.load();
    if (eingestellt > 0) return eingestellt;
    return std::max<std::int32_t>(1,
                                  static_cast<std::int32_t>(std::thread::hardware_concurrency()));
}

void SetzeArbeiterzahl(std::int32_t anzahl) { eingestellteZahl.store(std::max(0, anzahl)); }

TArbeitsgruppe::TArbeitsgruppe(std::size_t anzahl, std::function<void(std::size_t)> aufgabe,
                               std::size_t vorlauf)
    : anzahl_(anzahl),
      aufgabe_(std::move(aufgabe)),
      vorlauf_(std::max<std::size_t>(vorlauf, 1)),
      fertig_(anzahl, 0),
      fehler_(anzahl),
      grenze_(std::min(anzahl, vorlauf_)) {
    const std::size_t zahl = std::min(anzahl, static_cast<std::size_t>(Arbeiterzahl()));
    if (zahl < 2) return;
    try {
        for (std::size_t i = 0; i < zahl; ++i) arbeiter_.emplace_back([this] { Arbeiten(); });
    } catch (const std::system_error&) {
        // No further thread to be had: the ones started do the work (or, without
        // any, the calling thread).
    }
}

TArbeitsgruppe::~TArbeitsgruppe() {
    {
        const std::lock_guard<std::mutex> lock(sperre_);
        ende_ = true;
    }
    freigabe_.notify_all();
    for (std::thread& t : arbeiter_) t.join();
}

void TArbeitsgruppe::Ausfuehren(std::size_t k) {
    try {
        aufgabe_(k);
    } catch (...) {
        fehler_[k] = std::current_exception();
    }
}

void TArbeitsgruppe::Arbeiten() {
    std::unique_lock<std::mutex> lock(sperre_);
    for (;;) {
        freigabe_.wait(lock,
                       [this] { return ende_ || naechste_ >= anzahl_ || naechste_ < grenze_; });
        if (ende_ || naechste_ >= anzahl_) return;
        const std::size_t k = naechste_++;
        lock.unlock();
        Ausfuehren(k);
        lock.lock();
        fertig_[k] = 1;
        fertigMeldung_.notify_all();
    }
}

void TArbeitsgruppe::Abwarten(std::size_t k, const std::function<void()>& waehrenddessen) {
    if (k >= anzahl_) throw std::out_of_range("no such task");
    if (arbeiter_.empty()) {
        // On the calling thread, each task when its turn comes.
        while (naechste_ <= k && naechste_ < anzahl_) {
            Ausfuehren(naechste_);
            fertig_[naechste_] = 1;
            ++naechste_;
        }
    } else {
        std::unique_lock<std::mutex> lock(sperre_);
        const std::size_t grenze = std::min(anzahl_, Summe(k, vorlauf_));
        if (grenze > grenze_) {
            grenze_ = grenze;
            freigabe_.notify_all();
        }
        while (!fertig_[k]) {
            if (!waehrenddessen) {
                fertigMeldung_.wait(lock);
                continue;
            }
            if (fertigMeldung_.wait_for(lock, Nachrichtenabstand, [&] { return fertig_[k] != 0; }))
                break;
            lock.unlock();
            waehrenddessen();
            lock.lock();
        }
    }
    if (fehler_[k]) std::rethrow_exception(fehler_[k]);
}

}  // namespace zenaro
