// Writing and reading the compound file that holds the workbook stream.
#include "spreadsheet/xls/compoundfile.h"

#include "spreadsheet/model/errors.h"
#include "spreadsheet/xls/bytes.h"

#include <QCoreApplication>

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <mutex>
#include <vector>

namespace bw::ss::xls {

namespace {

template <typename T>
struct GObjectDeleter {
    void operator()(T* p) const
    {
        if (p) g_object_unref(p);
    }
};
template <typename T>
using GPtr = std::unique_ptr<T, GObjectDeleter<T>>;

FileFormatError writeFailure()
{
    return FileFormatError(QCoreApplication::translate(
        "Spreadsheet", "The workbook could not be packed into its file container."));
}

} // namespace

QByteArray writeCompoundFile(const QByteArray& workbookStream)
{
    const QByteArrayView whole(workbookStream);
    return writeCompoundFile(std::span<const QByteArrayView>(&whole, 1));
}

QByteArray writeCompoundFile(std::span<const QByteArrayView> workbookStreamParts)
{
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });

    GPtr<GsfOutput> sink(gsf_output_memory_new());
    GPtr<GsfOutfile> ole(gsf_outfile_msole_new(sink.get()));
    if (!ole) throw writeFailure();
    {
        GPtr<GsfOutput> child(gsf_outfile_new_child(ole.get(), "Workbook", FALSE));
        if (!child) throw writeFailure();
        for (const QByteArrayView part : workbookStreamParts) {
            const auto* data = reinterpret_cast<const guint8*>(part.constData());
            if (!gsf_output_write(child.get(), static_cast<size_t>(part.size()), data))
                throw writeFailure();
        }
        if (!gsf_output_close(child.get())) throw writeFailure();
    }
    if (!gsf_output_close(GSF_OUTPUT(ole.get()))) throw writeFailure();
    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    if (!bytes || size <= 0) throw writeFailure();
    return QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
}

namespace {

constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr int kEntrySize = 128;

FileFormatError damaged(const char* what)
{
    return FileFormatError(
        QCoreApplication::translate(
            "Spreadsheet", "The file is not a readable workbook: its container is damaged (%1).")
            .arg(QLatin1String(what)));
}

// The compound file read as the sectors it declares. Every chain walk is bounded by the
// number of sectors present, so a loop in the allocation table cannot hang the reader.
class CompoundFile {
public:
    explicit CompoundFile(const QByteArray& file) : file_(file)
    {
        if (file.size() < 512) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet", "The file is not an Excel 97-2003 workbook."));
        }
        ByteReader h(file.constData(), 512);
        static const unsigned char signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
        if (std::memcmp(h.take(8), signature, 8) != 0) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet", "The file is not an Excel 97-2003 workbook."));
        }
        h.skip(16 + 2);
        const unsigned major = h.u16();
        if (h.u16() != 0xFFFE) throw damaged("byte order");
        const unsigned sectorShift = h.u16();
        const unsigned miniShift = h.u16();
        if (!((major == 3 && sectorShift == 9) || (major == 4 && sectorShift == 12))
            || miniShift != 6) {
            throw damaged("sector sizes");
        }
        sectorSize_ = qsizetype(1) << sectorShift;
        // A short last sector still holds data.
        sectorCount_ = std::max<qsizetype>(0, (file.size() - 1) / sectorSize_);
        h.skip(6 + 4);
        const std::uint32_t fatSectors = h.u32();
        firstDirSector_ = h.u32();
        h.skip(4);
        miniCutoff_ = h.u32();
        firstMiniFat_ = h.u32();
        h.skip(4); // mini FAT sector count: the chain tells
        std::uint32_t difatSector = h.u32();
        h.skip(4);
        if (fatSectors > static_cast<std::uint64_t>(sectorCount_))
            throw damaged("allocation table size");

        std::vector<std::uint32_t> fatList;
        for (int i = 0; i < 109 && fatList.size() < fatSectors; ++i) fatList.push_back(h.u32());
        const qsizetype perDifat = sectorSize_ / 4 - 1;
        for (qsizetype guard = 0; fatList.size() < fatSectors; ++guard) {
            if (guard >= sectorCount_ || difatSector >= sectorCount_)
                throw damaged("allocation table list");
            ByteReader d = sector(difatSector);
            for (qsizetype i = 0; i < perDifat && fatList.size() < fatSectors; ++i)
                fatList.push_back(d.u32());
            ByteReader last(sectorData(difatSector) + sectorSize_ - 4, 4);
            difatSector = last.u32();
        }
        fat_.reserve(fatList.size() * static_cast<std::size_t>(sectorSize_ / 4));
        for (const std::uint32_t s : fatList) {
            if (s >= sectorCount_) throw damaged("allocation table sector");
            ByteReader r = sector(s);
            for (qsizetype i = 0; i < sectorSize_ / 4; ++i) fat_.push_back(r.u32());
        }
    }

    QByteArray workbook()
    {
        const auto bigSector = [this](std::uint32_t s) { return sectorBytes(s); };
        const QByteArray dir = chain(fat_, firstDirSector_, -1, bigSector);
        const qsizetype entries = dir.size() / kEntrySize;
        if (entries < 1) throw damaged("directory");
        auto entry = [&](qsizetype i) {
            return ByteReader(dir.constData() + i * kEntrySize, kEntrySize);
        };
        if (entryType(entry(0)) != 5) throw damaged("root entry");

        // Walk the root's children (a tree of siblings) looking for the workbook stream.
        std::vector<bool> seen(static_cast<std::size_t>(entries), false);
        std::vector<std::uint32_t> todo{childOf(entry(0))};
        qsizetype found = -1;
        bool foundWorkbook = false;
        while (!todo.empty()) {
            const std::uint32_t i = todo.back();
            todo.pop_back();
            if (i == kNoStream) continue;
            if (i >= entries || seen[i]) throw damaged("directory tree");
            seen[i] = true;
            ByteReader e = entry(i);
            const QString name = entryName(e);
            if (entryType(e) == 2) {
                if (name.compare(QLatin1String("Workbook"), Qt::CaseInsensitive) == 0) {
                    found = i;
                    foundWorkbook = true;
                } else if (!foundWorkbook
                           && name.compare(QLatin1String("Book"), Qt::CaseInsensitive) == 0) {
                    found = i;
                }
            }
            ByteReader links = entry(i);
            links.skip(0x44);
            todo.push_back(links.u32());
            todo.push_back(links.u32());
        }
        if (found < 0) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet",
                "The file is not an Excel 97-2003 workbook: it holds no workbook data."));
        }
        ByteReader e = entry(found);
        e.skip(0x74);
        const std::uint32_t start = e.u32();
        const std::uint32_t size = e.u32(); // the high half is unreliable in version 3 files
        if (size >= miniCutoff_) {
            return chain(fat_, start, size, bigSector);
        }
        ByteReader root = entry(0);
        root.skip(0x74);
        const std::uint32_t miniStart = root.u32();
        const std::uint32_t miniSize = root.u32();
        const QByteArray miniStream = chain(fat_, miniStart, miniSize, bigSector);
        const QByteArray miniFatBytes = chain(fat_, firstMiniFat_, -1, bigSector);
        std::vector<std::uint32_t> miniFat;
        ByteReader m(miniFatBytes);
        while (m.remaining() >= 4) miniFat.push_back(m.u32());
        return chain(miniFat, start, size, [&](std::uint32_t s) {
            if ((qsizetype(s) + 1) * 64 > miniStream.size()) throw damaged("small stream");
            return QByteArray(miniStream.constData() + qsizetype(s) * 64, 64);
        });
    }

private:
    static unsigned entryType(ByteReader e)
    {
        e.skip(0x42);
        return e.u8();
    }
    static std::uint32_t childOf(ByteReader e)
    {
        e.skip(0x4C);
        return e.u32();
    }
    static QString entryName(ByteReader e)
    {
        ByteReader lenAt = e;
        lenAt.skip(0x40);
        const unsigned bytes = std::min(lenAt.u16(), 64u);
        const qsizetype chars = bytes >= 2 ? (bytes / 2) - 1 : 0;
        return e.chars(chars, true);
    }
    const char* sectorData(std::uint32_t s) const
    {
        return file_.constData() + (qsizetype(s) + 1) * sectorSize_;
    }
    QByteArray sectorBytes(std::uint32_t s) const
    {
        if (s >= sectorCount_) throw damaged("sector number");
        const qsizetype at = (qsizetype(s) + 1) * sectorSize_;
        QByteArray b = file_.mid(at, sectorSize_);
        b.resize(sectorSize_, '\0');
        return b;
    }
    ByteReader sector(std::uint32_t s)
    {
        if (s >= sectorCount_ || (qsizetype(s) + 2) * sectorSize_ > file_.size())
            throw damaged("sector number");
        return ByteReader(sectorData(s), sectorSize_);
    }

    // Follows a chain through an allocation table; `size` < 0 reads the whole chain. A
    // sector met twice is a loop: refused, so the result never outgrows the file.
    template <typename Fetch>
    static QByteArray chain(const std::vector<std::uint32_t>& table, std::uint32_t start,
                            qint64 size, Fetch fetch)
    {
        QByteArray out;
        std::vector<bool> seen(table.size(), false);
        std::uint32_t s = start;
        while (s != kEndOfChain && (size < 0 || out.size() < size)) {
            if (s >= table.size() || seen[s]) throw damaged("sector chain");
            seen[s] = true;
            out.append(fetch(s));
            s = table[s];
        }
        if (size >= 0) {
            if (out.size() < size) throw damaged("stream shorter than declared");
            out.truncate(static_cast<qsizetype>(size));
        }
        return out;
    }

    const QByteArray& file_;
    qsizetype sectorSize_ = 512;
    qsizetype sectorCount_ = 0;
    std::uint32_t firstDirSector_ = kEndOfChain;
    std::uint32_t miniCutoff_ = 4096;
    std::uint32_t firstMiniFat_ = kEndOfChain;
    std::vector<std::uint32_t> fat_;
};

} // namespace

QByteArray readWorkbookStream(const QByteArray& file) { return CompoundFile(file).workbook(); }

} // namespace bw::ss::xls
