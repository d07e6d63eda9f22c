#include "persist/grid_row_text.h"

namespace rimora {

namespace {

bool NeedsQuotes(const QString& cell)
{
    return cell.contains(QLatin1Char(',')) || cell.startsWith(QLatin1Char('"'));
}

QString Quoted(const QString& cell)
{
    QString inner = cell;
    inner.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + inner + QLatin1Char('"');
}

// Reads a quoted cell starting at `pos` (on its opening quote). Returns false
// when the quote is never closed, so the caller can read the text as plain.
bool TakeQuotedCell(const QString& text, qsizetype& pos, QString& cell)
{
    QString out;
    qsizetype i = pos + 1;
    while (i < text.size()) {
        if (text[i] == QLatin1Char('"')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                out += QLatin1Char('"');
                i += 2;
                continue;
            }
            // Anything between the closing quote and the next comma still
            // belongs to this cell, so a hand-edited row loses nothing.
            const qsizetype comma = text.indexOf(QLatin1Char(','), i + 1);
            out += text.mid(i + 1, comma < 0 ? -1 : comma - i - 1);
            cell = out;
            pos = comma < 0 ? text.size() : comma + 1;
            return true;
        }
        out += text[i];
        ++i;
    }
    return false;
}

}  // namespace

QString JoinRowCells(const QStringList& cells)
{
    QString row;
    for (const QString& cell : cells) {
        row += NeedsQuotes(cell) ? Quoted(cell) : cell;
        row += QLatin1Char(',');
    }
    return row;
}

QStringList SplitRowCells(const QString& rowText, int count)
{
    QStringList cells;
    qsizetype pos = 0;
    for (int c = 0; c < count; ++c) {
        QString cell;
        if (pos < rowText.size() && rowText[pos] == QLatin1Char('"') && TakeQuotedCell(rowText, pos, cell)) {
            cells << cell;
            continue;
        }
        // A plain cell ends at the next comma; with no comma left the cell is
        // empty and so are all after it.
        const qsizetype comma = rowText.indexOf(QLatin1Char(','), pos);
        if (comma < 0) {
            pos = rowText.size();
        } else {
            cell = rowText.mid(pos, comma - pos);
            pos = comma + 1;
        }
        cells << cell;
    }
    return cells;
}

bool IsRowKeyOf(const QString& key, const QString& gridName)
{
    const QString prefix = gridName + QStringLiteral("-Row");
    if (key.size() <= prefix.size() || !key.startsWith(prefix, Qt::CaseInsensitive)) return false;
    for (qsizetype i = prefix.size(); i < key.size(); ++i)
        if (!key[i].isDigit() || key[i].unicode() > 0x7F) return false;
    return true;
}

}  // namespace rimora
