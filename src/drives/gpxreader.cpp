// GPX tracks as drives.
//
// Read against the GPX 1.0 and 1.1 schemas published by TopoGrafix: <gpx> holds <wpt>,
// <rte> and <trk>; a <trk> holds <trkseg>s of <trkpt lat=".." lon=".."> whose optional
// <time> is an xsd:dateTime in UTC. A new <trkseg> marks lost reception or a receiver
// switched off, so segments of one track are read as one sequence of points: the gap rule
// ends a drive across a long break, and a short one (a tunnel) leaves the drive whole.
// Elements are matched by their local names, whichever of the two namespaces (or none)
// the file uses, as loggers write all three.
#include "drives/gpxreader.h"

#include "drives/chunksource.h"
#include "drives/drivesplitter.h"
#include "drives/timestamp.h"

#include <QDateTime>
#include <QXmlStreamReader>

#include <string>

namespace bw::drives {

namespace {

class GpxReader {
    Q_DECLARE_TR_FUNCTIONS(Drives)

public:
    GpxReader(QIODevice& device, const QString& name, const DriveRules& rules,
              const ReadProgress& progress)
        : source_(device, progress), name_(name), splitter_(rules, read_.drives)
    {}

    DriveRead run()
    {
        xml_.addData(source_.next());
        while (error_.isEmpty() && !done_) step();
        if (source_.cancelled()) return DriveRead{.drives = {}, .error = {}, .cancelled = true};
        if (error_.isEmpty() && points_ == 0)
            error_ = fileProblem(name_, tr("it holds no track points (routes and waypoints "
                                           "are not drives)"));
        if (!error_.isEmpty()) return DriveRead{.drives = {}, .error = error_, .cancelled = false};
        return std::move(read_);
    }

private:
    enum class Place { Outside, Gpx, Track, Segment, Point, Time };

    void step()
    {
        const QXmlStreamReader::TokenType token = xml_.readNext();
        if (xml_.hasError()) return xmlError();
        lastToken_ = source_.done();
        switch (token) {
        case QXmlStreamReader::StartElement:
            return startElement();
        case QXmlStreamReader::EndElement:
            return endElement();
        case QXmlStreamReader::Characters:
            if (place_ == Place::Time && skip_ == 0) time_ += xml_.text().toLatin1().toStdString();
            return;
        case QXmlStreamReader::EndDocument:
            done_ = true;
            return;
        default:
            return;
        }
    }

    // More data where the reader ran out; otherwise a sentence on what is wrong.
    void xmlError()
    {
        if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
            if (source_.done() - lastToken_ > kMaxItemBytes) return fail(Problems::tooLong());
            const QByteArray chunk = source_.next();
            if (!chunk.isEmpty()) return xml_.addData(chunk);
            if (source_.cancelled()) {
                done_ = true;
                return;
            }
            if (!source_.readError().isEmpty())
                return fail(Problems::unreadable(source_.readError()));
            return fail(Problems::truncated("XML"));
        }
        fail(Problems::notWellFormed("XML") + QStringLiteral(" (") + xml_.errorString()
             + QLatin1Char(')'));
    }

    void fail(const QString& what) { error_ = lineProblem(name_, xml_.lineNumber(), what); }

    void startElement()
    {
        if (skip_ > 0) {
            ++skip_;
            return;
        }
        const QStringView name = xml_.name();
        switch (place_) {
        case Place::Outside:
            if (name != u"gpx")
                return fail(
                    tr("this is no GPX file: its root element is <%1>").arg(name.toString()));
            place_ = Place::Gpx;
            return;
        case Place::Gpx:
            return enterIf(name == u"trk", Place::Track);
        case Place::Track:
            return enterIf(name == u"trkseg", Place::Segment);
        case Place::Segment:
            if (name == u"trkpt") return startPoint();
            return enterIf(false, place_);
        case Place::Point:
            return enterIf(name == u"time", Place::Time);
        case Place::Time:
            return enterIf(false, place_);
        }
    }

    // Steps into the element when it is the one wanted, passes over it otherwise.
    void enterIf(bool wanted, Place inside)
    {
        if (wanted) {
            place_ = inside;
            if (inside == Place::Time) time_.clear();
        } else {
            skip_ = 1;
        }
    }

    void startPoint()
    {
        place_ = Place::Point;
        ++points_;
        pointLine_ = xml_.lineNumber();
        hasTime_ = false;
        const QXmlStreamAttributes attributes = xml_.attributes();
        const std::optional<double> lat =
            numberFromText(attributes.value(QLatin1String("lat")).trimmed());
        const std::optional<double> lon =
            numberFromText(attributes.value(QLatin1String("lon")).trimmed());
        if (!lat || !lon) return fail(tr("a track point has no latitude and longitude as numbers"));
        position_ = LatLng{*lat, *lon};
        if (!inRange(position_)) fail(Problems::outOfRange(position_));
    }

    void endElement()
    {
        if (skip_ > 0) {
            --skip_;
            return;
        }
        switch (place_) {
        case Place::Time:
            return endTime();
        case Place::Point:
            return endPoint();
        case Place::Segment:
            place_ = Place::Track;
            return;
        case Place::Track:
            splitter_.finish();
            lastMs_.reset();
            place_ = Place::Gpx;
            return;
        case Place::Gpx:
            place_ = Place::Outside;
            return;
        case Place::Outside:
            return;
        }
    }

    void endTime()
    {
        place_ = Place::Point;
        const std::size_t first = time_.find_first_not_of(" \t\r\n");
        const std::size_t last = time_.find_last_not_of(" \t\r\n");
        const std::string text =
            first == std::string::npos ? std::string() : time_.substr(first, last - first + 1);
        const std::optional<qint64> ms = utcMsFromIsoText(text);
        if (!ms) return fail(tr("\"%1\" is no time").arg(QString::fromStdString(text)));
        pointMs_ = *ms;
        hasTime_ = true;
    }

    void endPoint()
    {
        place_ = Place::Segment;
        if (!hasTime_)
            return failAtPoint(tr("a track point has no time, and a drive needs the time of "
                                  "every point"));
        if (lastMs_ && pointMs_ < *lastMs_)
            return failAtPoint(tr("the time %1 comes before %2, the time of the point before it")
                                   .arg(isoText(pointMs_), isoText(*lastMs_)));
        lastMs_ = pointMs_;
        splitter_.add(pointMs_, position_);
    }

    void failAtPoint(const QString& what) { error_ = lineProblem(name_, pointLine_, what); }

    static QString isoText(qint64 ms)
    {
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).toString(Qt::ISODate);
    }

    ChunkSource source_;
    QString name_;
    DriveRead read_;
    DriveSplitter splitter_;
    QXmlStreamReader xml_;
    QString error_;
    bool done_ = false;
    qint64 lastToken_ = 0;
    Place place_ = Place::Outside;
    int skip_ = 0; // depth inside an element passed over
    qint64 points_ = 0;
    qint64 pointLine_ = 0;
    LatLng position_;
    std::string time_;
    bool hasTime_ = false;
    qint64 pointMs_ = 0;
    std::optional<qint64> lastMs_; // the last point's time in the current track
};

} // namespace

DriveRead readGpx(QIODevice& device, const QString& name, const DriveRules& rules,
                  const ReadProgress& progress)
{
    return GpxReader(device, name, rules, progress).run();
}

} // namespace bw::drives
