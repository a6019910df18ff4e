// Timeline and Location History events into drives.
#include "drives/timelinehandler.h"

#include "drives/chunksource.h"
#include "drives/jsonstream.h"
#include "drives/timestamp.h"

#include <QCoreApplication>

namespace bw::drives {

namespace {

using Node = TimelineHandler::Node;
using Field = TimelineHandler::Field;

// No export nests this deep; a file that does is not one, and depth costs memory.
constexpr std::size_t kMaxDepth = 256;

bool isArrayNode(Node node)
{
    return node == Node::Segments || node == Node::Objects || node == Node::Activities;
}

Node elementOf(Node array)
{
    switch (array) {
    case Node::Segments:
        return Node::Segment;
    case Node::Objects:
        return Node::Object;
    case Node::Activities:
        return Node::ActivityEntry;
    default:
        return Node::Skip;
    }
}

struct KeyedNode {
    Node parent;
    std::string_view key;
    Node child;
};

constexpr KeyedNode kChildren[] = {
    {Node::Segment, "activity", Node::Activity},
    {Node::Segment, "visit", Node::Visit},
    {Node::Activity, "start", Node::ActivityStart},
    {Node::Activity, "end", Node::ActivityEnd},
    {Node::Activity, "topCandidate", Node::ActivityCandidate},
    {Node::Visit, "topCandidate", Node::VisitCandidate},
    {Node::VisitCandidate, "placeLocation", Node::PlaceLocation},
    {Node::Object, "activitySegment", Node::ActivitySegment},
    {Node::Object, "placeVisit", Node::PlaceVisit},
    {Node::ActivitySegment, "startLocation", Node::StartLocation},
    {Node::ActivitySegment, "endLocation", Node::EndLocation},
    {Node::ActivitySegment, "duration", Node::Duration},
    {Node::ActivitySegment, "activities", Node::Activities},
    {Node::PlaceVisit, "location", Node::VisitLocation},
};

struct KeyedField {
    Node parent;
    std::string_view key;
    Field field;
};

constexpr KeyedField kFields[] = {
    {Node::Segment, "startTime", Field::StartTime},
    {Node::Segment, "endTime", Field::EndTime},
    // iOS writes the ends as "geo:" strings where Android has {"latLng": ...} objects.
    {Node::Activity, "start", Field::StartPosition},
    {Node::Activity, "end", Field::EndPosition},
    {Node::Activity, "distanceMeters", Field::Metres},
    {Node::ActivityStart, "latLng", Field::StartPosition},
    {Node::ActivityEnd, "latLng", Field::EndPosition},
    {Node::ActivityCandidate, "type", Field::Type},
    {Node::Visit, "hierarchyLevel", Field::Level},
    {Node::VisitCandidate, "placeLocation", Field::PlacePosition},
    {Node::VisitCandidate, "semanticType", Field::SemanticType},
    {Node::PlaceLocation, "latLng", Field::PlacePosition},
    {Node::ActivitySegment, "distance", Field::Metres},
    {Node::ActivitySegment, "activityType", Field::Type},
    {Node::ActivityEntry, "activityType", Field::Type},
    {Node::ActivityEntry, "probability", Field::Probability},
    {Node::Duration, "startTimestamp", Field::StartTime},
    {Node::Duration, "endTimestamp", Field::EndTime},
    {Node::Duration, "startTimestampMs", Field::StartMs},
    {Node::Duration, "endTimestampMs", Field::EndMs},
    {Node::StartLocation, "latitudeE7", Field::LatE7},
    {Node::StartLocation, "longitudeE7", Field::LngE7},
    {Node::EndLocation, "latitudeE7", Field::LatE7},
    {Node::EndLocation, "longitudeE7", Field::LngE7},
    {Node::VisitLocation, "latitudeE7", Field::LatE7},
    {Node::VisitLocation, "longitudeE7", Field::LngE7},
    {Node::VisitLocation, "name", Field::Name},
    {Node::VisitLocation, "address", Field::Address},
};

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The names Timeline gives places by what they are to the user; its visits name no other.
QString semanticName(std::string_view type)
{
    std::string upper(type);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
        if (c == ' ') c = '_';
    }
    if (upper == "HOME" || upper == "INFERRED_HOME")
        return QCoreApplication::translate("Drives", "Home");
    if (upper == "WORK" || upper == "INFERRED_WORK")
        return QCoreApplication::translate("Drives", "Work");
    return {};
}

} // namespace

QString TimelineHandler::unrecognisedWhy() const
{
    if (sawRecords_)
        return QCoreApplication::translate(
            "Drives", "this holds raw location records, not drives; read the Timeline export "
                      "of the phone or the Semantic Location History instead");
    switch (kind_) {
    case LocationExport::Timeline:
        return QCoreApplication::translate("Drives", "this is no Timeline export");
    case LocationExport::Takeout:
        return QCoreApplication::translate("Drives", "this is no Semantic Location History");
    case LocationExport::Either:
        break;
    }
    return QCoreApplication::translate(
        "Drives", "this is neither a Timeline export nor a Semantic Location History");
}

bool TimelineHandler::fail(const QString& what)
{
    error_ = what;
    errorOffset_ = stream_ ? qint64(stream_->Tell()) : 0;
    return false;
}

TimelineHandler::Node TimelineHandler::objectChild(Node parent, std::string_view key)
{
    if (parent == Node::RootObject) {
        if (key == "semanticSegments" && kind_ != LocationExport::Takeout) {
            recognised_ = true;
            return Node::Segments;
        }
        if (key == "timelineObjects" && kind_ != LocationExport::Timeline) {
            recognised_ = true;
            return Node::Objects;
        }
        if (key == "locations") sawRecords_ = true;
        return Node::Skip;
    }
    for (const KeyedNode& entry : kChildren)
        if (entry.parent == parent && entry.key == key) return entry.child;
    return Node::Skip;
}

TimelineHandler::Field TimelineHandler::objectField(Node parent, std::string_view key) const
{
    for (const KeyedField& entry : kFields)
        if (entry.parent == parent && entry.key == key) return entry.field;
    return Field::None;
}

bool TimelineHandler::Key(const char* text, unsigned length, bool)
{
    ++events_;
    const Node parent = stack_.back();
    if (parent == Node::Skip) return true;
    const std::string_view key(text, length);
    child_ = objectChild(parent, key);
    field_ = objectField(parent, key);
    return true;
}

bool TimelineHandler::open(bool array)
{
    ++events_;
    if (stack_.size() >= kMaxDepth)
        return fail(
            QCoreApplication::translate("Drives", "the JSON nests deeper than any export does"));
    Node node = Node::Skip;
    if (stack_.empty()) {
        if (!array)
            node = Node::RootObject;
        else if (kind_ != LocationExport::Takeout)
            node = Node::Segments;
        recognised_ = recognised_ || node == Node::Segments;
    } else if (stack_.back() != Node::Skip) {
        node = isArrayNode(stack_.back()) ? elementOf(stack_.back()) : child_;
        // An array where an object belongs, or the other way round, is passed over.
        if (isArrayNode(node) != array) node = Node::Skip;
    }
    child_ = Node::Skip;
    field_ = Field::None;
    if (node == Node::Segment || node == Node::Object) item_ = Item();
    if (node == Node::Activity || node == Node::ActivitySegment) item_.kind = Item::Kind::Activity;
    if (node == Node::Visit || node == Node::PlaceVisit) item_.kind = Item::Kind::Visit;
    if (node == Node::ActivityEntry) {
        item_.entryType.clear();
        item_.entryProbability = -1.0;
    }
    stack_.push_back(node);
    return true;
}

bool TimelineHandler::close()
{
    ++events_;
    const Node node = stack_.back();
    stack_.pop_back();
    child_ = Node::Skip;
    field_ = Field::None;
    if (node == Node::Segment || node == Node::Object) return endItem();
    if (node == Node::ActivityEntry && item_.entryProbability > item_.bestProbability) {
        item_.bestProbability = item_.entryProbability;
        item_.bestType = item_.entryType;
    }
    return true;
}

bool TimelineHandler::scalar(std::string_view text, std::optional<double> number)
{
    ++events_;
    if (stack_.empty() || stack_.back() == Node::Skip || isArrayNode(stack_.back())) return true;
    const Field field = field_;
    field_ = Field::None;
    child_ = Node::Skip;
    return field == Field::None || scalarInto(field, text, number);
}

bool TimelineHandler::scalarInto(Field field, std::string_view text, std::optional<double> value)
{
    switch (field) {
    case Field::StartTime:
        return time(text, false, item_.start);
    case Field::EndTime:
        return time(text, false, item_.end);
    case Field::StartMs:
        return time(text, true, item_.start);
    case Field::EndMs:
        return time(text, true, item_.end);
    case Field::StartPosition:
        return position(text, item_.from);
    case Field::EndPosition:
        return position(text, item_.to);
    case Field::PlacePosition:
        return position(text, item_.place);
    case Field::Metres:
        return number(text, value, item_.metres);
    case Field::Probability:
        return number(text, value, item_.entryProbability);
    case Field::LatE7:
        return e7(value ? value : numberFromText(text), true);
    case Field::LngE7:
        return e7(value ? value : numberFromText(text), false);
    case Field::Type:
        (stack_.back() == Node::ActivityEntry ? item_.entryType : item_.type) = text;
        return true;
    case Field::SemanticType:
        item_.semanticType = text;
        return true;
    case Field::Name:
        item_.name = text;
        return true;
    case Field::Address:
        item_.address = text;
        return true;
    case Field::Level: {
        double level = 0.0;
        if (!number(text, value, level)) return false;
        item_.level = level > 0.0 ? 1 : 0;
        return true;
    }
    case Field::None:
        return true;
    }
    return true;
}

bool TimelineHandler::time(std::string_view text, bool ms, std::optional<qint64>& into)
{
    into = ms ? utcMsFromMsText(text) : utcMsFromIsoText(text);
    if (!into)
        return fail(QCoreApplication::translate("Drives", "\"%1\" is no time").arg(fromUtf8(text)));
    return true;
}

bool TimelineHandler::position(std::string_view text, LatLng& into)
{
    const std::optional<LatLng> read = positionFromText(text);
    if (!read)
        return fail(
            QCoreApplication::translate("Drives", "\"%1\" is no position").arg(fromUtf8(text)));
    if (!inRange(*read)) return fail(Problems::outOfRange(*read));
    into = *read;
    return true;
}

bool TimelineHandler::number(std::string_view text, std::optional<double> value, double& into)
{
    if (!value) value = numberFromText(text);
    if (!value)
        return fail(
            QCoreApplication::translate("Drives", "\"%1\" is no number").arg(fromUtf8(text)));
    into = *value;
    return true;
}

bool TimelineHandler::e7(std::optional<double> value, bool latitude)
{
    if (!value) return fail(QCoreApplication::translate("Drives", "a coordinate is no number"));
    LatLng& into = stack_.back() == Node::StartLocation ? item_.from
                   : stack_.back() == Node::EndLocation ? item_.to
                                                        : item_.place;
    (latitude ? into.lat : into.lon) = *value / 1e7;
    if (into.known() && !inRange(into)) return fail(Problems::outOfRange(into));
    return true;
}

bool TimelineHandler::endItem()
{
    bool ok = true;
    if (item_.kind == Item::Kind::Activity)
        ok = endActivity();
    else if (item_.kind == Item::Kind::Visit)
        endVisit();
    item_ = Item();
    return ok;
}

bool TimelineHandler::endActivity()
{
    const QString startName = lastVisitName_;
    lastVisitName_.clear();
    awaitingEnd_.reset();
    if (!isDriveActivity(item_.type.empty() ? item_.bestType : item_.type)) return true;
    if (!item_.start || !item_.end)
        return fail(QCoreApplication::translate("Drives", "a drive has no start or end time"));
    if (*item_.end < *item_.start) return fail(Problems::endsBeforeStart());
    Drive drive;
    drive.startMs = *item_.start;
    drive.endMs = *item_.end;
    drive.from.position = item_.from;
    drive.from.exportName = startName;
    drive.to.position = item_.to;
    if (item_.metres >= 0.0)
        drive.metres = item_.metres;
    else if (item_.from.known() && item_.to.known())
        drive.metres = geodesicMetres(item_.from, item_.to);
    drives_.push_back(std::move(drive));
    awaitingEnd_ = drives_.size() - 1;
    return true;
}

void TimelineHandler::endVisit()
{
    // Android lists the building and the shop in it as visits of one time; the first
    // level is the place the user was at.
    if (item_.level > 0) return;
    QString name = fromUtf8(item_.name).trimmed();
    if (name.isEmpty())
        name = fromUtf8(item_.address).replace(QLatin1Char('\n'), QStringLiteral(", ")).trimmed();
    if (name.isEmpty()) name = semanticName(item_.semanticType);
    if (awaitingEnd_) drives_[*awaitingEnd_].to.exportName = name;
    awaitingEnd_.reset();
    lastVisitName_ = name;
}

} // namespace bw::drives
