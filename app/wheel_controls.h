#pragma once
// The window's edge of the wheel: one control per stored record, made from
// the record table, and the typed wheel read from them. A decimal or cross
// number text is converted only when it has changed since the last reading;
// one that does not read keeps the wheel's last good value and leaves the
// message that names it.
#include "widgets/tform.h"
#include "wheel/wheel_reading.h"

#include <QString>
#include <vector>

class QWidget;

namespace rimora {

class WheelControls {
public:
    // Makes the control of every record, in the order of the records, on the
    // page the record names (`pages` indexed by RecordPage; None: `hidden`).
    void Create(TForm& form, QWidget* const (&pages)[3], QWidget* hidden);

    // The control of a record's key; nullptr for none.
    QWidget* Control(const char* key) const;
    QWidget* Control(WheelField field) const;
    template <typename T>
    T* Get(const char* key) const
    {
        return static_cast<T*>(Control(key));
    }

    // The wheel as the controls hold it now.
    const WheelReading& Read();
    // The text of a field's control as it stands.
    QString TextOf(WheelField field) const;

    // Every decimal record's key, for the store that reads them in either notation.
    QStringList DecimalKeys() const;
    // Every key of a text of the wheel, for the store that keeps them on one line.
    QStringList WheelTextKeys() const;
    // The keys of the inputs a wheel may do without (WheelRecord::quiet).
    QStringList QuietKeys() const;

private:
    struct Entry {
        const WheelRecord* record;
        QWidget* control;
        QString readText;  // the text last converted
        bool read = false;
    };
    std::vector<Entry> entries_;
    WheelReading reading_;
};

}  // namespace rimora
