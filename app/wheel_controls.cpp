#include "app/wheel_controls.h"

#include "platform/convert.h"
#include "widgets/tcheck_box.h"
#include "widgets/tcolor_box.h"
#include "widgets/tcombo_box.h"
#include "widgets/tedit.h"
#include "widgets/tnote_box.h"
#include "widgets/tradio_group.h"
#include "widgets/tspin_edit.h"
#include "widgets/tstring_grid.h"
#include "lacing/lacing_table.h"

#include <QCoreApplication>

namespace rimora {

namespace {

// Far more than a make and model or a page of remarks, and short enough that
// a text of nothing but backslashes or line breaks, written twice as long,
// still fits the files' longest value.
constexpr int kMaxNameLength = 200;
constexpr int kMaxRemarksLength = 1000;
// A round of readings of the largest wheel, with its names, in half the
// files' longest value.
constexpr int kMaxLogLength = 1000;

QWidget* MakeControl(TForm& form, const WheelRecord& r, QWidget* parent)
{
    const QString key = QString::fromLatin1(r.key);
    const auto label = [&r] { return RecordLabel(r); };
    switch (r.kind) {
    case RecordKind::RimList:
    case RecordKind::CountList: {
        auto* list = form.Create<TComboBox>(parent, key, r.items());
        list->SetItemIndex(ListIndex(r, static_cast<int>(r.defaultValue)));
        return list;
    }
    case RecordKind::Decimal: {
        auto* edit = form.Create<TEdit>(parent, key);
        // The design value in the region's own notation ("27,5" in a comma region).
        edit->SetText(FloatToStr(r.defaultValue));
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return edit;
    }
    case RecordKind::Spin: {
        auto* spin = form.Create<TSpinEdit>(parent, key, r.minimum, r.maximum, static_cast<int>(r.defaultValue));
        if (r.page == RecordPage::Data) spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return spin;
    }
    case RecordKind::Colour:
        return form.Create<TColorBox>(parent, key, static_cast<TColor>(r.defaultValue));
    case RecordKind::Flag:
        return form.Create<TCheckBox>(parent, key, label(), r.defaultValue != 0);
    case RecordKind::Radio:
        // A dialog's groups stand in two columns, the pages' in three.
        return form.Create<TRadioGroup>(parent, key, label(), r.items(), r.page == RecordPage::None ? 2 : 3,
                                        static_cast<int>(r.defaultValue));
    case RecordKind::Grid:
        return form.Create<TStringGrid>(parent, key, kLacingColCount, kLacingInitialRowCount, 3, 1);
    case RecordKind::Text:
        return form.Create<TEdit>(parent, key);
    case RecordKind::Name: {
        auto* edit = form.Create<TEdit>(parent, key);
        edit->setMaxLength(kMaxNameLength);
        return edit;
    }
    case RecordKind::Remarks:
        return form.Create<TNoteBox>(parent, key, kMaxRemarksLength);
    case RecordKind::Log: {
        // Kept for the files only: the "True it" window shows the log its own way.
        auto* edit = form.Create<TEdit>(parent, key);
        edit->setMaxLength(kMaxLogLength);
        edit->hide();
        edit->setFocusPolicy(Qt::NoFocus);
        return edit;
    }
    }
    return nullptr;
}

}  // namespace

void WheelControls::Create(TForm& form, QWidget* const (&pages)[3], QWidget* hidden)
{
    for (const WheelRecord& record : WheelRecords()) {
        QWidget* parent = record.page == RecordPage::None ? hidden : pages[static_cast<int>(record.page)];
        entries_.push_back({&record, MakeControl(form, record, parent), QString(), false});
    }
    Read();
}

QWidget* WheelControls::Control(const char* key) const
{
    for (const Entry& e : entries_)
        if (qstrcmp(e.record->key, key) == 0) return e.control;
    return nullptr;
}

QWidget* WheelControls::Control(WheelField field) const
{
    return Control(RecordOf(field).key);
}

QString WheelControls::TextOf(WheelField field) const
{
    const QWidget* control = Control(field);
    if (const auto* edit = qobject_cast<const TEdit*>(control)) return edit->Text();
    if (const auto* spin = qobject_cast<const TSpinEdit*>(control)) return spin->Text();
    if (const auto* list = qobject_cast<const TComboBox*>(control)) return list->Text();
    return QString();
}

const WheelReading& WheelControls::Read()
{
    for (Entry& e : entries_) {
        const WheelRecord& r = *e.record;
        if (std::holds_alternative<std::monostate>(r.member)) continue;
        switch (r.kind) {
        case RecordKind::RimList:
        case RecordKind::CountList:
            reading_.TakeListIndex(r, static_cast<TComboBox*>(e.control)->ItemIndex());
            break;
        case RecordKind::Decimal: {
            const QString text = static_cast<TEdit*>(e.control)->Text();
            if (e.read && text == e.readText) break;
            reading_.Take(r, ReadDecimalRecord(r, text));
            e.readText = text;
            e.read = true;
            break;
        }
        case RecordKind::Spin: {
            auto* spin = static_cast<TSpinEdit*>(e.control);
            if (!r.field) {
                SetValue(reading_.wheel, r, spin->Value());
                break;
            }
            // A cross number can be typed out of its box's sense before the box settles it.
            const QString text = spin->Text();
            if (e.read && text == e.readText) break;
            int value = 0;
            reading_.Take(r, TryStrToInt(text, value) ? RecordReading{static_cast<double>(value), QString()}
                                                      : RecordReading{0, UnreadableText(*r.field, text)});
            e.readText = text;
            e.read = true;
            break;
        }
        case RecordKind::Colour:
            SetValue(reading_.wheel, r, static_cast<TColorBox*>(e.control)->Selected());
            break;
        case RecordKind::Flag:
            SetValue(reading_.wheel, r, static_cast<TCheckBox*>(e.control)->Checked() ? 1 : 0);
            break;
        case RecordKind::Radio:
            SetValue(reading_.wheel, r, static_cast<TRadioGroup*>(e.control)->ItemIndex());
            break;
        case RecordKind::Name:
        case RecordKind::Log:
            SetTextValue(reading_.wheel, r, static_cast<TEdit*>(e.control)->Text());
            break;
        case RecordKind::Remarks:
            SetTextValue(reading_.wheel, r, static_cast<TNoteBox*>(e.control)->Text());
            break;
        case RecordKind::Grid:
        case RecordKind::Text:
            break;
        }
    }
    return reading_;
}

QStringList WheelControls::WheelTextKeys() const
{
    QStringList keys;
    for (const Entry& e : entries_)
        if (IsWheelText(e.record->kind)) keys << QString::fromLatin1(e.record->key);
    return keys;
}

QStringList WheelControls::QuietKeys() const
{
    QStringList keys;
    for (const Entry& e : entries_)
        if (e.record->quiet) keys << QString::fromLatin1(e.record->key);
    return keys;
}

QStringList WheelControls::DecimalKeys() const
{
    QStringList keys;
    for (const Entry& e : entries_)
        if (e.record->kind == RecordKind::Decimal) keys << QString::fromLatin1(e.record->key);
    return keys;
}

}  // namespace rimora
