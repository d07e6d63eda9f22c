// The placement record of the owning window.
#include "persist/ini_save.h"
#include "persist/profile_file.h"
#include "persist/screen_placement.h"
#include "persist/settings_location.h"
#include "platform/desktop.h"

#include <QSize>

#include <limits>

namespace rimora {

namespace {

const QString kLeft = QStringLiteral("Left");
const QString kTop = QStringLiteral("Top");
const QString kHeight = QStringLiteral("Height");
const QString kWidth = QStringLiteral("Width");
constexpr int kNotStored = std::numeric_limits<int>::min();

}  // namespace

void TIniSave::WritePlace()
{
    if (readOnly_) return;
    const QString path = FilePath();
    PrepareSettingsFolder(path);
    ProfileFile file(path);
    WritePlace(file);
    file.Save();
}

void TIniSave::WritePlace(ProfileFile& file)
{
    if (readOnly_) return;
    const QString section = parent_.Name();
    file.WriteInteger(section, kLeft, parent_.Left());
    file.WriteInteger(section, kTop, parent_.Top());
    file.WriteInteger(section, kHeight, parent_.Height());
    file.WriteInteger(section, kWidth, parent_.Width());
}

void TIniSave::ReadPlace()
{
    ReadPlace(ProfileFile(FilePath()));
}

void TIniSave::ReadPlace(const ProfileFile& file)
{
    const QString section = parent_.Name();
    // Centred for the size the window has before the stored size applies;
    // the same edges replace a stored edge that lies off the screen's left
    // or top.
    const QSize screen = CurrentDesktop().ScreenSize();
    const int centredLeft = screen.width() / 2 - parent_.Width() / 2;
    const int centredTop = screen.height() / 2 - parent_.Height() / 2;
    parent_.SetLeft(file.ReadInteger(section, kLeft, centredLeft));
    parent_.SetTop(file.ReadInteger(section, kTop, centredTop));
    // A size not stored is the one the window has and is left alone: set,
    // the design's inner size would count as an outer one.
    const int height = file.ReadInteger(section, kHeight, kNotStored);
    if (height != kNotStored) parent_.SetHeight(height);
    const int width = file.ReadInteger(section, kWidth, kNotStored);
    if (width != kNotStored) parent_.SetWidth(width);
    if (parent_.Left() < 0) parent_.SetLeft(centredLeft);
    if (parent_.Top() < 0) parent_.SetTop(centredTop);
    // A place on a screen no longer there (or far beyond the right or
    // bottom edge), or a size larger than the screen, comes back onto the
    // nearest screen, no larger than it.
    const QRect stored = OuterRect(parent_);
    const QSize minimum(parent_.MinimumOuterWidth(), parent_.MinimumOuterHeight());
    const QRect shown = OntoNearestScreen(stored, CurrentDesktop().ScreenGeometries(), minimum);
    placeCorrected_ = shown != stored;
    if (placeCorrected_) SetOuterRect(parent_, shown);
}

}  // namespace rimora
