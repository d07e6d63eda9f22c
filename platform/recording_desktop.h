#pragma once
// A desktop for tests: records every message and answers dialogs from queues.
#include "platform/desktop.h"

#include <QImage>

#include <QStringList>
#include <deque>
#include <utility>
#include <vector>

namespace rimora {

class RecordingDesktop : public Desktop {
public:
    QStringList errors;
    QStringList confirmations;
    QStringList abouts;
    QStringList urls;
    std::deque<QString> openAnswers;  // next answers of the open dialog ("" = cancel)
    std::deque<QString> saveAnswers;
    std::deque<bool> confirmAnswers;  // default: yes
    QStringList saveChangesQuestions;
    std::deque<SaveChangesAnswer> saveChangesAnswers;  // default: discard
    std::vector<FileDialogRequest> openRequests;
    std::vector<FileDialogRequest> saveRequests;
    std::deque<QColor> colorAnswers;  // empty = cancel
    QList<QColor> colorRequests;
    QStringList prints;               // titles of the print previews asked for
    QStringList printDocuments;       // and their document names
    QImage printedPage;               // the page the latest preview painted
    std::deque<QSize> sizeAnswers;    // empty = cancel
    QList<QSize> sizeRequests;
    QString executableFolder;
    QString documentsFolder;  // empty: none
    QString homeFolder;
    QSize screen{1920, 1080};
    QList<QRect> screens;  // empty: the primary screen of `screen` alone

    void ShowError(const QString& message) override { errors << message; }
    bool Confirm(const QString&, const QString& question) override
    {
        confirmations << question;
        return NextOr(confirmAnswers, true);
    }
    SaveChangesAnswer AskSaveChanges(const QString&, const QString& text) override
    {
        saveChangesQuestions << text;
        return NextOr(saveChangesAnswers, SaveChangesAnswer::Discard);
    }
    void ShowAbout(const QString& title, const QString& text) override { abouts << title + QLatin1Char('\n') + text; }
    void OpenUrl(const QString& url) override { urls << url; }
    QString OpenFileName(const FileDialogRequest& request) override
    {
        openRequests.push_back(request);
        return NextOr(openAnswers, QString());
    }
    QString SaveFileName(const FileDialogRequest& request) override
    {
        saveRequests.push_back(request);
        return NextOr(saveAnswers, QString());
    }
    bool ChooseColor(QColor& color) override
    {
        colorRequests << color;
        return Take(colorAnswers, color);
    }
    // The page is painted into an image of the page's size at 96 dots per
    // inch, as a preview would show it.
    void PrintPreview(const QString& title, const QString& documentName, const QPageSize& pageSize,
                      const std::function<void(QPaintDevice&)>& paintPage) override
    {
        prints << title;
        printDocuments << documentName;
        printedPage = QImage(pageSize.sizePixels(96), QImage::Format_RGB32);
        printedPage.fill(Qt::white);
        printedPage.setDotsPerMeterX(3780);
        printedPage.setDotsPerMeterY(3780);
        paintPage(printedPage);
    }
    bool ChooseImageSize(QSize& size) override
    {
        sizeRequests << size;
        return Take(sizeAnswers, size);
    }
    QString ExecutableFolder() override { return executableFolder; }
    QString DocumentsFolder() override { return documentsFolder; }
    QString HomeFolder() override { return homeFolder; }
    QSize ScreenSize() override { return screen; }
    QList<QRect> ScreenGeometries() override { return screens.isEmpty() ? Desktop::ScreenGeometries() : screens; }

private:
    // The next queued answer into `value`; false, `value` untouched, when none is left.
    template <typename T>
    static bool Take(std::deque<T>& answers, T& value)
    {
        if (answers.empty()) return false;
        value = std::move(answers.front());
        answers.pop_front();
        return true;
    }
    template <typename T>
    static T NextOr(std::deque<T>& answers, T otherwise)
    {
        Take(answers, otherwise);
        return otherwise;
    }
};

// Installs a recorder for the lifetime of a test and removes it afterwards.
class ScopedRecordingDesktop : public RecordingDesktop {
public:
    ScopedRecordingDesktop() { SetDesktop(this); }
    ~ScopedRecordingDesktop() override { SetDesktop(nullptr); }
};

}  // namespace rimora
