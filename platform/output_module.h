#pragma once
// Printing and SVG writing live in a module of their own, loaded the first
// time a sheet is printed or a drawing saved as SVG: Qt Print Support and
// Qt Svg, linked into the program, would be loaded and relocated at every
// start, in memory and in the time of the start and the exit, for what most
// runs never use. The module is found beside the executable, where an installation puts
// it, or in the build folder.
#include <QIODevice>
#include <QPageSize>
#include <QPaintDevice>
#include <QPainter>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace rimora {

// What the module offers. A table of functions: the module and the program
// are built together, so they share one idea of every type in it.
struct OutputModule {
    // Bumped whenever a function below changes.
    static constexpr int kVersion = 2;
    int version = kVersion;
    // The desktop's print preview of one page painted by `paintPage`, the
    // job named `documentName`.
    void (*printPreview)(const QString& title, const QString& documentName, const QPageSize& pageSize,
                         const std::function<void(QPaintDevice&)>& paintPage) = nullptr;
    // An SVG document of `size` pixels at 96 dpi into `out`, painted by
    // `paint`; false when painting could not start.
    bool (*writeSvg)(QIODevice& out, QSize size, const QString& title,
                     const std::function<void(QPainter&)>& paint) = nullptr;
};

// The module's file name, without a folder.
QString OutputModuleFileName();

// Where an installation puts the module of a program in `executableFolder`:
// its library folder, reached from the program's folder as `cmake --install`
// and the package lay them out, whatever the prefix. A program with the
// module there is an installed one.
QString InstalledModulePath(const QString& executableFolder);

// A load from the first of `folders` that holds the module: the module, or
// why there is none.
struct OutputModuleLoad {
    const OutputModule* module = nullptr;
    QString problem;
};
OutputModuleLoad LoadOutputModule(const QStringList& folders);

// The loaded module; loads it on the first call. Throws EInOutError saying
// what cannot be done without it and why it could not be loaded.
const OutputModule& RequireOutputModule(const QString& what);

}  // namespace rimora
