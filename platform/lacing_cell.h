#pragma once
// One cell of the lacing table as what it holds: nothing, a hole number, the
// gap mark, a length, or text that is none of these; and the text it was
// written with, so that a table read from a file is written back byte for
// byte ("7" stays "7", "07" stays "07", "1,234.5" stays grouped).
//
// A text is read once, where it enters the table (an edit in the view, a row
// of a file); everything that laces, measures or draws takes the values.
#include <QString>
#include <optional>

namespace rimora {

class LacingCell {
public:
    enum class Kind { Empty, Gap, Hole, Length, Text };

    LacingCell() = default;
    // A text as typed or stored. A length is read in the current region.
    static LacingCell FromText(const QString& text);
    // What the program writes: the value with the spelling it shows it in.
    // A hole number's decimal spelling also reads as that many millimetres,
    // as any such text does, so a Length cell numbered down stays a length.
    static LacingCell Hole(int number, QString spelling);
    static LacingCell Length(double mm, QString spelling);
    static LacingCell Gap();

    Kind kind() const;
    const QString& Spelling() const { return spelling_; }
    bool IsEmpty() const { return spelling_.isEmpty(); }
    bool IsGap() const;
    bool IsEmptyOrGap() const { return IsEmpty() || IsGap(); }

    // The whole number the cell reads as: a hole number, or a length written
    // without decimals ("286"), which "Insert & No.Down" counts on from.
    std::optional<int> WholeNumber() const { return whole_; }
    // The length in mm the cell reads as ("285.4", "1,234.5", "286").
    std::optional<double> Millimetres() const { return length_; }

    // The same, or EConvertError naming the cell's text as the conversions
    // of platform/convert.h name it.
    int RequireWholeNumber() const;
    double RequireMillimetres() const;

    bool operator==(const LacingCell& other) const { return spelling_ == other.spelling_; }

private:
    QString spelling_;
    std::optional<int> whole_;
    std::optional<double> length_;
};

// A length as the lacing table shows it ("285.4", "1,234.5"), back to its
// number. The table writes lengths of a metre and more with the region's
// grouping separator, which the decimal conversion does not take; the
// separators are dropped only where they really group thousands, so a length
// typed with the other region's decimal point ("285.4" where the comma is
// decimal) is no length rather than 2854 mm.
std::optional<double> ReadTableLength(const QString& text);

}  // namespace rimora
