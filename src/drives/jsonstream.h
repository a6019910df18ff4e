// A RapidJSON input stream over a file read in chunks.
#pragma once

#include "drives/chunksource.h"

#include <QByteArray>

#include <rapidjson/rapidjson.h>

#include <cstddef>

namespace bw::drives {

// RapidJSON's reader takes a character at a time through Peek and Take; this stream hands
// them out of the current chunk and fetches the next when it runs out. It ends early when
// the reading is cancelled, and when a whole item passes without one event of the handler
// (`events` is the handler's count), so that no string or number grows past kMaxItemBytes.
class JsonStream {
public:
    using Ch = char;

    JsonStream(ChunkSource& source, const std::size_t& events) : source_(source), events_(events)
    {
        load();
    }

    Ch Peek() const { return *current_; }
    Ch Take()
    {
        const Ch c = *current_;
        if (!ended_ && ++current_ == end_) load();
        return c;
    }
    std::size_t Tell() const { return std::size_t(consumed_ + (current_ - begin_)); }

    // Writing is for in-place parsing, which this stream does not offer.
    Ch* PutBegin()
    {
        RAPIDJSON_ASSERT(false);
        return nullptr;
    }
    void Put(Ch) { RAPIDJSON_ASSERT(false); }
    void Flush() { RAPIDJSON_ASSERT(false); }
    std::size_t PutEnd(Ch*)
    {
        RAPIDJSON_ASSERT(false);
        return 0;
    }

    bool itemTooLong() const { return tooLong_; }

private:
    void load()
    {
        consumed_ += current_ - begin_;
        if (events_ == eventsAtLoad_)
            quiet_ += chunk_.size();
        else
            quiet_ = 0;
        eventsAtLoad_ = events_;
        if (quiet_ > kMaxItemBytes) {
            tooLong_ = true;
            chunk_.clear();
        } else {
            chunk_ = source_.next();
        }
        if (chunk_.isEmpty()) {
            ended_ = true;
            begin_ = current_ = end_ = &kEnd;
            return;
        }
        begin_ = current_ = chunk_.constData();
        end_ = begin_ + chunk_.size();
    }

    static constexpr Ch kEnd = '\0';

    ChunkSource& source_;
    const std::size_t& events_;
    std::size_t eventsAtLoad_ = 0;
    qint64 quiet_ = 0;
    bool tooLong_ = false;
    bool ended_ = false;
    QByteArray chunk_;
    const Ch* begin_ = nullptr;
    const Ch* current_ = nullptr;
    const Ch* end_ = nullptr;
    qint64 consumed_ = 0;
};

} // namespace bw::drives
