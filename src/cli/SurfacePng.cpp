#include "cli/SurfacePng.h"

#include <zlib.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "surface/SurfacePainter.h"

namespace korvane {
namespace {

constexpr long long kBandRows = 64;
constexpr size_t kChunkBytes = size_t(64) << 10;

void PutBig32(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

// A PNG file written through an atomic writer: the header, then image rows fed to deflate,
// each full output buffer written as one IDAT chunk.
class PngStream {
  public:
    explicit PngStream(AtomicFileWriter& out) : out_(out) {}
    ~PngStream() {
        if (started_) deflateEnd(&z_);
    }
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    bool Start(uint32_t width, uint32_t height, std::string& error) {
        if (deflateInit(&z_, Z_DEFAULT_COMPRESSION) != Z_OK) {
            error = "the compressor cannot start";
            return false;
        }
        started_ = true;
        std::string header;
        PutBig32(header, width);
        PutBig32(header, height);
        header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no interlace
        return out_.Write("\x89PNG\r\n\x1A\n", error) && Chunk("IHDR", header, error);
    }

    // Rows of packed RGB pixels, each given its filter byte (none).
    bool AddRows(const std::vector<uint8_t>& pixels, size_t rowBytes, std::string& error) {
        std::vector<uint8_t> raw;
        raw.reserve(pixels.size() + pixels.size() / rowBytes);
        for (size_t at = 0; at < pixels.size(); at += rowBytes) {
            raw.push_back(0);
            raw.insert(raw.end(), pixels.begin() + static_cast<std::ptrdiff_t>(at),
                       pixels.begin() + static_cast<std::ptrdiff_t>(at + rowBytes));
        }
        return Deflate(raw.data(), raw.size(), Z_NO_FLUSH, error);
    }

    bool Finish(std::string& error) {
        return Deflate(nullptr, 0, Z_FINISH, error) && Chunk("IEND", "", error);
    }

  private:
    bool Deflate(const uint8_t* data, size_t size, int flush, std::string& error) {
        z_.next_in = const_cast<Bytef*>(data);
        z_.avail_in = static_cast<uInt>(size);
        int status = Z_OK;
        do {
            z_.next_out = buffer_;
            z_.avail_out = sizeof buffer_;
            status = deflate(&z_, flush);
            if (status == Z_STREAM_ERROR) {
                error = "the compressor failed";
                return false;
            }
            size_t produced = sizeof buffer_ - z_.avail_out;
            if (produced > 0 &&
                !Chunk("IDAT", std::string_view(reinterpret_cast<char*>(buffer_), produced), error))
                return false;
        } while (z_.avail_out == 0 || (flush == Z_FINISH && status != Z_STREAM_END));
        return true;
    }

    bool Chunk(const char* type, std::string_view body, std::string& error) {
        std::string chunk;
        chunk.reserve(body.size() + 12);
        PutBig32(chunk, static_cast<uint32_t>(body.size()));
        chunk += type;
        chunk += body;
        uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(chunk.data() + 4),
                          static_cast<uInt>(chunk.size() - 4));
        PutBig32(chunk, static_cast<uint32_t>(crc));
        return out_.Write(chunk, error);
    }

    AtomicFileWriter& out_;
    z_stream z_{};
    bool started_ = false;
    Bytef buffer_[kChunkBytes];
};

}  // namespace

bool WriteSurfacePng(const DesignDocument& doc, FileSystem& files, const std::string& path,
                     std::string& error, long long maxSide, const BoxOverlay& overlay) {
    const PixelRect surface = SurfacePixels(doc);
    if (surface.width > maxSide || surface.height > maxSide) {
        error = "the design surface is " + std::to_string(surface.width) + " x " +
                std::to_string(surface.height) + " pixels, larger than the " +
                std::to_string(maxSide) + " x " + std::to_string(maxSide) +
                " pixels render draws; nothing is written";
        return false;
    }
    AtomicFileWriter out(files, path);
    auto png = std::make_unique<PngStream>(out);
    if (!out.Open(error) || !png->Start(static_cast<uint32_t>(surface.width),
                                        static_cast<uint32_t>(surface.height), error))
        return false;
    SurfaceIndex index;
    index.Rebuild(doc);
    const size_t rowBytes = static_cast<size_t>(surface.width) * 3;
    for (long long top = 0; top < surface.height; top += kBandRows) {
        const PixelRect band{0, top, surface.width, std::min(kBandRows, surface.height - top)};
        Canvas canvas(static_cast<int>(band.width), static_cast<int>(band.height));
        canvas.SetRasterOrigin(band.left, band.top);
        SurfacePaintOptions options;
        options.handles = false;
        if (overlay) options.afterBox = [&](int slot) { overlay(canvas, band, slot); };
        PaintSurfaceArea(canvas, doc, &index, band, options);
        if (!png->AddRows(canvas.Data(), rowBytes, error)) return false;
    }
    return png->Finish(error) && out.Commit(error);
}

}  // namespace korvane
