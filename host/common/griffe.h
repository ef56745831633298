/*
 * griffe.h - a process-wide table of objects keyed by handle numbers, as
 * the line reader and the list library hand them out.
 *
 * Numbers start at 1 and only grow, so a stale number never finds a newer
 * object; when they run out at INT32_MAX, Aufnehmen returns 0. The table's
 * lock is held only inside these calls, never while the caller works on an
 * object it found.
 */
#ifndef OX_HOST_GRIFFE_H
#define OX_HOST_GRIFFE_H

#include "hostapi/hostdefs.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

template <class T>
struct Griffe {
    std::mutex sperre;
    std::unordered_map<HOSTHANDLE, std::unique_ptr<T>> objekte;
    HOSTHANDLE naechster = 1;

    /* Takes `objekt` over and returns its new number; 0 when no number is
       left (the object is then freed). May throw std::bad_alloc. */
    HOSTHANDLE Aufnehmen(std::unique_ptr<T> objekt)
    {
        std::lock_guard<std::mutex> g(sperre);
        if (naechster == INT32_MAX)
            return 0;
        HOSTHANDLE h = naechster;
        objekte.emplace(h, std::move(objekt));
        naechster++;
        return h;
    }

    /* The object of number `h`, or null. */
    T* Finden(HOSTHANDLE h)
    {
        std::lock_guard<std::mutex> g(sperre);
        auto it = objekte.find(h);
        return it == objekte.end() ? nullptr : it->second.get();
    }

    /* Removes number `h` from the table and hands its object to the
       caller; null when the number is unknown. */
    std::unique_ptr<T> Herausnehmen(HOSTHANDLE h)
    {
        std::lock_guard<std::mutex> g(sperre);
        auto it = objekte.find(h);
        if (it == objekte.end())
            return nullptr;
        std::unique_ptr<T> objekt = std::move(it->second);
        objekte.erase(it);
        return objekt;
    }

    int32_t Anzahl()
    {
        std::lock_guard<std::mutex> g(sperre);
        return static_cast<int32_t>(objekte.size());
    }
};

#endif
