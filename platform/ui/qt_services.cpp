#include "platform/ui/qt_services.h"

#include <QApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/ui/dialog.h"

namespace platform::ui {

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string localPath(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QtMessages::QtMessages(std::string defaultTitle) : defaultTitle_(std::move(defaultTitle)) {}

MessageAnswer QtMessages::show(const std::string& text, const std::string& title,
                               MessageButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setText(q(text));
    box.setWindowTitle(q(title.empty() ? defaultTitle_ : title));
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::StandardButton escape = QMessageBox::Ok;
    switch (buttons) {
        case MessageButtons::Ok:
            break;
        case MessageButtons::OkCancel:
            standard = QMessageBox::Ok | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
        case MessageButtons::YesNo:
            standard = QMessageBox::Yes | QMessageBox::No;
            escape = QMessageBox::No;
            break;
        case MessageButtons::YesNoCancel:
            standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
    }
    box.setStandardButtons(standard);
    box.setEscapeButton(escape);
    box.exec();
    QAbstractButton* clicked = box.clickedButton();
    const QMessageBox::StandardButton pressed = clicked ? box.standardButton(clicked) : escape;
    switch (pressed) {
        case QMessageBox::Yes:
            return MessageAnswer::Yes;
        case QMessageBox::No:
            return MessageAnswer::No;
        case QMessageBox::Cancel:
            return MessageAnswer::Cancel;
        default:
            return MessageAnswer::Ok;
    }
}

void QtMessages::beep() {
    QApplication::beep();
}

std::string QtFileDialogs::openFile(const FileDialogRequest& request) {
    return localPath(QFileDialog::getOpenFileName(QApplication::activeWindow(), q(request.title),
                                                  QString(), q(qtFileFilter(request.filter))));
}

std::string QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return localPath(QFileDialog::getSaveFileName(QApplication::activeWindow(), q(request.title),
                                                  QString(), q(qtFileFilter(request.filter))));
}

QtPrinter::QtPrinter(Messages& messages) : messages_(messages) {}

bool QtPrinter::printImage(const QImage& image, const std::string& jobName) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        messages_.show(kNoPrinterMessage);
        return false;
    }
    QPrinter printer(QPrinterInfo::defaultPrinter().isNull()
                         ? QPrinterInfo::availablePrinters().front()
                         : QPrinterInfo::defaultPrinter());
    printer.setDocName(q(jobName));
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.show("The printer could not be started. The window was not printed.");
        return false;
    }
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    if (size.width() > image.width() * 8) {
        size = image.size() * 8;  // small windows are not blown up beyond recognition
    }
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawImage(0, 0, image);
    painter.end();
    return true;
}

LocalDateTime QtClock::now() {
    const QDateTime t = QDateTime::currentDateTime();
    const QDate d = t.date();
    const QTime c = t.time();
    return {d.year(), d.month(), d.day(), c.hour(), c.minute(), c.second(), c.msec()};
}

bool QtModalRunner::run(Dialog& dialog) {
    dialog.resetAccepted();
    QEventLoop loop;
    QObject::connect(&dialog, &Dialog::finished, &loop, &QEventLoop::quit);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.showModeless();
    if (dialog.isVisible()) {
        loop.exec(QEventLoop::DialogExec);
    }
    dialog.setWindowModality(Qt::NonModal);
    return dialog.accepted();
}

Services qtServices(const std::string& defaultTitle) {
    Services s;
    s.messages = std::make_unique<QtMessages>(defaultTitle);
    s.fileDialogs = std::make_unique<QtFileDialogs>();
    s.printer = std::make_unique<QtPrinter>(*s.messages);
    s.clock = std::make_unique<QtClock>();
    s.random = std::make_unique<StandardRandom>();
    s.modalRunner = std::make_unique<QtModalRunner>();
    return s;
}

}  // namespace platform::ui
