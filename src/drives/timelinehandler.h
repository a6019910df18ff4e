// The events of a Timeline or Location History export, as RapidJSON's reader delivers
// them, turned into drives. Only the parts that hold drives are looked at; everything else
// (paths, raw signals, candidates, ...) is passed over by depth alone.
#pragma once

#include "drives/drive.h"
#include "drives/timelinereader.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace bw::drives {

class JsonStream;

class TimelineHandler {
public:
    explicit TimelineHandler(LocationExport kind) : kind_(kind) { stack_.reserve(32); }

    void setStream(const JsonStream* stream) { stream_ = stream; }
    // How many events came so far: the stream's measure of progress within an item.
    const std::size_t& events() const { return events_; }

    // What went wrong with the content, and where (a byte offset); empty when nothing did.
    const QString& error() const { return error_; }
    qint64 errorOffset() const { return errorOffset_; }
    // Whether the root was an export of the kind asked for, and why not.
    bool recognised() const { return recognised_; }
    QString unrecognisedWhy() const;
    std::vector<Drive> takeDrives() { return std::move(drives_); }

    // RapidJSON's SAX interface; false stops the reading.
    bool Null() { return skipValue(); }
    bool Bool(bool) { return skipValue(); }
    bool Int(int i) { return scalar({}, double(i)); }
    bool Uint(unsigned u) { return scalar({}, double(u)); }
    bool Int64(std::int64_t i) { return scalar({}, double(i)); }
    bool Uint64(std::uint64_t u) { return scalar({}, double(u)); }
    bool Double(double d) { return scalar({}, d); }
    bool RawNumber(const char*, unsigned, bool) { return skipValue(); }
    bool String(const char* text, unsigned length, bool)
    {
        return scalar(std::string_view(text, length), std::nullopt);
    }
    bool Key(const char* text, unsigned length, bool);
    bool StartObject() { return open(false); }
    bool EndObject(unsigned) { return close(); }
    bool StartArray() { return open(true); }
    bool EndArray(unsigned) { return close(); }

    // The parts of an export this handler tells apart.
    enum class Node : std::uint8_t {
        Skip,
        Root,
        RootObject,
        Segments,
        Segment,
        Activity,
        ActivityStart,
        ActivityEnd,
        ActivityCandidate,
        Visit,
        VisitCandidate,
        PlaceLocation,
        Objects,
        Object,
        ActivitySegment,
        StartLocation,
        EndLocation,
        Duration,
        Activities,
        ActivityEntry,
        PlaceVisit,
        VisitLocation,
    };
    // The scalars it keeps.
    enum class Field : std::uint8_t {
        None,
        StartTime,
        EndTime,
        StartPosition,
        EndPosition,
        Metres,
        Type,
        PlacePosition,
        SemanticType,
        Level,
        LatE7,
        LngE7,
        Name,
        Address,
        StartMs,
        EndMs,
        Probability,
    };

private:
    // An activity or a visit being read, of either format.
    struct Item {
        enum class Kind : std::uint8_t { Other, Activity, Visit } kind = Kind::Other;
        std::optional<qint64> start;
        std::optional<qint64> end;
        LatLng from;
        LatLng to;
        LatLng place;
        double metres = -1.0;
        std::string type;
        std::string entryType; // the activities[] entry being read
        double entryProbability = -1.0;
        double bestProbability = -1.0;
        std::string bestType; // the most probable of activities[]
        std::string name;
        std::string address;
        std::string semanticType;
        int level = 0;
    };

    bool skipValue()
    {
        ++events_;
        field_ = Field::None;
        child_ = Node::Skip;
        return true;
    }
    bool open(bool array);
    bool close();
    bool scalar(std::string_view text, std::optional<double> number);
    bool scalarInto(Field field, std::string_view text, std::optional<double> number);
    bool e7(std::optional<double> number, bool latitude);
    bool time(std::string_view text, bool ms, std::optional<qint64>& into);
    bool position(std::string_view text, LatLng& into);
    bool number(std::string_view text, std::optional<double> number, double& into);
    Node objectChild(Node parent, std::string_view key);
    Field objectField(Node parent, std::string_view key) const;
    bool endItem();
    bool endActivity();
    void endVisit();
    bool fail(const QString& what);

    LocationExport kind_;
    const JsonStream* stream_ = nullptr;
    std::size_t events_ = 0;
    std::vector<Node> stack_;
    Node child_ = Node::Root; // what the next value is, in an object after its key
    Field field_ = Field::None;
    Item item_;
    std::vector<Drive> drives_;
    QString lastVisitName_;                  // the visit right before the item being read
    std::optional<std::size_t> awaitingEnd_; // the drive right before it
    bool recognised_ = false;
    bool sawRecords_ = false;
    QString error_;
    qint64 errorOffset_ = 0;
};

} // namespace bw::drives
