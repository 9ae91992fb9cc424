// Test support: globals a test changes, put back when it ends.
#pragma once

#include <cstring>
#include <vector>

// Keeps a byte copy of each global given (numbers, pointers, arrays, plain
// records such as `preferences`) and writes it back when the guard goes,
// whatever the test did or where it stopped.
class Restore {
public:
    template <class... T> explicit Restore(T &...globals) { (Keep(&globals, sizeof globals), ...); }
    ~Restore()
    {
        for (auto kept = saved.rbegin(); kept != saved.rend(); ++kept)
            std::memcpy(kept->place, kept->bytes.data(), kept->bytes.size());
    }
    Restore(const Restore &) = delete;
    Restore &operator=(const Restore &) = delete;

private:
    struct Kept {
        void *place;
        std::vector<unsigned char> bytes;
    };
    void Keep(void *place, std::size_t size)
    {
        auto *bytes = static_cast<unsigned char *>(place);
        saved.push_back({place, {bytes, bytes + size}});
    }
    std::vector<Kept> saved;
};
