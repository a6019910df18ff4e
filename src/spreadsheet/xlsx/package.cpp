// Reading and writing the zip packages that hold .xlsx workbooks.
#include "spreadsheet/xlsx/package.h"

#include "spreadsheet/model/errors.h"

#include <QCoreApplication>
#include <QHash>

#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-zip.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <memory>
#include <mutex>

namespace bw::ss::xlsx {

namespace {

struct GObjectDeleter {
    void operator()(gpointer p) const
    {
        if (p) g_object_unref(p);
    }
};
template <typename T>
using GPtr = std::unique_ptr<T, GObjectDeleter>;

void initGsf()
{
    static std::once_flag once;
    std::call_once(once, [] { gsf_init(); });
}

FileFormatError readFailure()
{
    return FileFormatError(
        QCoreApplication::translate("Spreadsheet", "The workbook package could not be read back."));
}

FileFormatError writeFailure()
{
    return FileFormatError(QCoreApplication::translate(
        "Spreadsheet", "The workbook could not be packed into its zip file."));
}

void collect(GsfInfile* dir, const QString& prefix, std::vector<PackagePart>& parts)
{
    const int count = gsf_infile_num_children(dir);
    for (int i = 0; i < count; ++i) {
        GPtr<GsfInput> child(gsf_infile_child_by_index(dir, i));
        if (!child) throw readFailure();
        const QString name = prefix + QString::fromUtf8(gsf_input_name(child.get()));
        if (GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0) {
            collect(GSF_INFILE(child.get()), name + QLatin1Char('/'), parts);
            continue;
        }
        const gsf_off_t size = gsf_input_size(child.get());
        if (size < 0 || size > (gsf_off_t{1} << 30)) throw readFailure();
        QByteArray data(static_cast<qsizetype>(size), Qt::Uninitialized);
        if (size > 0
            && !gsf_input_read(child.get(), static_cast<size_t>(size),
                               reinterpret_cast<guint8*>(data.data()))) {
            throw readFailure();
        }
        parts.push_back({name, std::move(data)});
    }
}

} // namespace

std::vector<PackagePart> readPackage(const QByteArray& zip)
{
    initGsf();
    GPtr<GsfInput> source(
        gsf_input_memory_new(reinterpret_cast<const guint8*>(zip.constData()), zip.size(), FALSE));
    GError* error = nullptr;
    GPtr<GsfInfile> root(gsf_infile_zip_new(source.get(), &error));
    if (error) g_error_free(error);
    if (!root) throw readFailure();
    std::vector<PackagePart> parts;
    collect(root.get(), QString(), parts);
    return parts;
}

QByteArray writePackage(const std::vector<PackagePart>& parts)
{
    initGsf();
    GPtr<GsfOutput> sink(gsf_output_memory_new());
    GError* error = nullptr;
    GPtr<GsfOutfile> root(gsf_outfile_zip_new(sink.get(), &error));
    if (error) g_error_free(error);
    if (!root) throw writeFailure();

    // Folders are opened once, on the first part inside them, and closed after every
    // part (inner folders before outer ones), as the zip writer wants.
    std::vector<std::pair<QString, GPtr<GsfOutfile>>> folders;
    QHash<QString, GsfOutfile*> byPath;
    auto folder = [&](const QString& path) {
        GsfOutfile* parent = root.get();
        QString at;
        for (const QString& segment : path.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            at += segment + QLatin1Char('/');
            if (GsfOutfile* found = byPath.value(at)) {
                parent = found;
                continue;
            }
            GsfOutput* made = gsf_outfile_new_child(parent, segment.toUtf8().constData(), TRUE);
            if (!made) throw writeFailure();
            folders.emplace_back(at, GPtr<GsfOutfile>(GSF_OUTFILE(made)));
            byPath.insert(at, GSF_OUTFILE(made));
            parent = GSF_OUTFILE(made);
        }
        return parent;
    };

    for (const PackagePart& part : parts) {
        const qsizetype slash = part.name.lastIndexOf(QLatin1Char('/'));
        GsfOutfile* parent = folder(slash < 0 ? QString() : part.name.left(slash));
        const QByteArray leaf = part.name.mid(slash + 1).toUtf8();
        GPtr<GsfOutput> child(gsf_outfile_new_child_full(
            parent, leaf.constData(), FALSE, "compression-level", GSF_ZIP_DEFLATED, nullptr));
        if (!child) throw writeFailure();
        const auto* data = reinterpret_cast<const guint8*>(part.data.constData());
        if (!gsf_output_write(child.get(), static_cast<size_t>(part.data.size()), data)
            || !gsf_output_close(child.get())) {
            throw writeFailure();
        }
    }
    for (auto it = folders.rbegin(); it != folders.rend(); ++it) {
        if (!gsf_output_close(GSF_OUTPUT(it->second.get()))) throw writeFailure();
    }
    if (!gsf_output_close(GSF_OUTPUT(root.get()))) throw writeFailure();
    const gsf_off_t size = gsf_output_size(sink.get());
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    if (!bytes || size <= 0) throw writeFailure();
    return QByteArray(reinterpret_cast<const char*>(bytes), static_cast<qsizetype>(size));
}

} // namespace bw::ss::xlsx
