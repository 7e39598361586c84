#pragma once
// Windows metafiles (WMF, with or without the placeable header) and enhanced metafiles (EMF):
// parsed from bytes into a list of drawing records, played back onto a QPainter. Malformed or
// truncated data never crashes or hangs: parsing stops at the first bad record and keeps what came
// before it.

#include <QPainter>
#include <QRectF>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace numerava {

class TMetafile {
public:
    enum class Format { Wmf, Emf };

    // Nullopt when the data is no metafile at all (no valid header).
    static std::optional<TMetafile> Parse(std::span<const uint8_t> data);

    Format Kind() const;
    // True when the data ran up to the end-of-file record; a cut-off or damaged file plays only
    // the records before the damage.
    bool Complete() const;
    // The picture's own frame in its logical units (placeable header / EMF frame, else the window
    // extent), which Play maps onto the target rectangle.
    QRectF Bounds() const;
    // The natural size in pixels at 96 dpi (for a picture drawn unstretched).
    QSize NaturalSize() const;
    // Plays every record, scaled so that Bounds() fills `target`. Restores the painter's state.
    void Play(QPainter& painter, const QRectF& target) const;

    struct Records; // defined by the reader

    TMetafile(TMetafile&&) noexcept;
    TMetafile& operator=(TMetafile&&) noexcept;
    TMetafile(const TMetafile&);
    TMetafile& operator=(const TMetafile&);
    ~TMetafile();

private:
    explicit TMetafile(std::shared_ptr<const Records> records);
    std::shared_ptr<const Records> records_;
};

} // namespace numerava
