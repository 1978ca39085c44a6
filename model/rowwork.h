#pragma once
// Where on the device rows of a paint in bands each of its objects may change pixels, measured
// once for all the bands: by the paint's row work (TRowWork), in pieces at once before the bands,
// each piece measuring its share of the objects on a canvas of its own over the whole area. Each
// object counts as one unit of work spread evenly over its rows, and the bands are cut at equal
// work by that. Once the bands are cut, each piece sorts its share by the bands whose rows each
// object meets. A band then draws its own objects without measuring them again (those crossing
// its edges too: one that turns out to miss it is clipped away, as the rows never fall short of
// what the drawing changes) and looks at no other, so that neither the work of leaving objects
// out nor that of finding a band's own grows with the number of bands.
// Objects are numbered as the painter numbers them (list indices, places in a selection). Where
// nothing was measured (a paint not split into bands) every object is measured by the band, as
// against any canvas.
#include "model/paintextent.h"
#include "platform/canvas.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

class TObject;

// One serves one paint: measured, sorted, then read by the bands.
class TPaintRows {
public:
    // Objects 0 .. count - 1, none measured (nothing is kept for them until a piece measures).
    explicit TPaintRows(std::size_t count = 0);

    // True when the band of device rows [band.top, band.bottom) leaves object `i` out: its rows
    // miss the band.
    bool Leaves(std::size_t i, const TRect& band) const
    {
        if (spans.empty())
            return false;
        const TDeviceRows& rows = spans[i];
        return !rows.all && (rows.top >= rows.bottom || rows.bottom <= band.top || rows.top >= band.bottom);
    }
    // True when object `i` was not measured (or may change any row): a band measures it.
    bool Unmeasured(std::size_t i) const { return spans.empty() || spans[i].all; }
    // The pass of the paint that draws object `i`, as the row work's `item` told it, for a band to
    // tell without looking at the object (which, for a large list, costs a fetch from memory each
    // time). Only for a measured object the band does not leave out.
    int Pass(std::size_t i) const { return passes[i]; }

    // The row work of a piece: measures the objects of its share on `dc` over `area`, each as
    // `item` gives it (its object, the width of the pen it is drawn with and the pass that draws
    // it, a number from 0 to 255; or none for an object the paint leaves out), and adds their
    // work to `rows`. Only this piece's objects are written.
    void Measure(Canvas& dc, const TRect& area, int scale, std::vector<double>& rows, TPiece piece,
                 const std::function<const TObject*(std::size_t i, int& penWidth, int& pass)>& item);

    // The sort of a piece, once the bands are cut at `edges` (count + 1 device rows): its share of
    // the objects (as Measure's), each put in the list of every band its rows meet, in order; an
    // unmeasured one in every band's. Only this piece's lists are written.
    void Sort(const std::vector<int>& edges, TPiece piece);

    // Calls visit(i) for each object the band of device rows [band.top, band.bottom) does not
    // leave out, in order, asking memory for the next few (where object(i) lies) ahead of each,
    // and returns true; or returns false, calling nothing, where the objects were not sorted for
    // that band.
    template <class Object, class Visit>
    bool ForEachInBand(const TRect& band, Object object, Visit visit) const
    {
        const std::size_t b = BandAt(band);
        if (b == kNoBand)
            return false;
        constexpr std::size_t kAhead = 4;
        for (const std::vector<std::vector<std::uint32_t>>& piece : sorted) {
            const std::vector<std::uint32_t>& own = piece[b];
            for (std::size_t k = 0; k < own.size(); ++k) {
                if (k + kAhead < own.size()) {
                    const char* at = reinterpret_cast<const char*>(object(own[k + kAhead]));
                    __builtin_prefetch(at);
                    __builtin_prefetch(at + 64);
                }
                visit(std::size_t(own[k]));
            }
        }
        return true;
    }

    std::size_t Count() const { return count; }

private:
    static constexpr std::size_t kNoBand = std::size_t(-1);
    // The band cut at exactly `band`'s rows when sorted, or kNoBand.
    std::size_t BandAt(const TRect& band) const;

    std::size_t count;
    // Unmeasured: every row. Sized by the first piece to measure.
    std::vector<TDeviceRows> spans;
    std::vector<std::uint8_t> passes;
    // Where the bands were cut, and each piece's objects by band, once sorted.
    std::vector<int> edges;
    std::vector<std::vector<std::vector<std::uint32_t>>> sorted;
    // Taken by the first piece to measure and to sort, which sizes the rows and lists for all.
    std::mutex sizing;
};
