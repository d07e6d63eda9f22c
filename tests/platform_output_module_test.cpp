// The printing and SVG module, loaded on first use: found where it is built,
// and a clear reason where it is missing or is no module at all.
#include "platform/errors.h"
#include "platform/output_module.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace rimora;

TEST(OutputModule, LoadsWhereBuiltAndSaysWhyWhereNot)
{
    QTemporaryDir empty;
    QTemporaryDir junk;
    ASSERT_TRUE(empty.isValid() && junk.isValid());
    QFile notALibrary(junk.filePath(OutputModuleFileName()));
    ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
    notALibrary.write("not a library");
    notALibrary.close();

    const OutputModuleLoad none = LoadOutputModule({empty.path()});
    EXPECT_EQ(none.module, nullptr);
    EXPECT_TRUE(none.problem.contains(OutputModuleFileName()) && none.problem.contains(empty.path()))
        << none.problem.toStdString();

    const OutputModuleLoad broken = LoadOutputModule({empty.path(), junk.path()});
    EXPECT_EQ(broken.module, nullptr);
    EXPECT_TRUE(broken.problem.contains(junk.path())) << broken.problem.toStdString();

    // The program's own search finds the module built beside it.
    const OutputModule& output = RequireOutputModule(QStringLiteral("Testing"));
    EXPECT_NE(output.printPreview, nullptr);
    QBuffer svg;
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    ASSERT_TRUE(output.writeSvg(svg, QSize(40, 30), QStringLiteral("Wheel drawing"),
                                [](QPainter& painter) { painter.fillRect(QRect(5, 5, 10, 10), Qt::red); }));
    const QByteArray text = svg.data();
    EXPECT_TRUE(text.contains("<svg") && text.contains("Wheel drawing") && text.contains("#ff0000"))
        << text.left(400).toStdString();
}
