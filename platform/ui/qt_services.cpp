#include "platform/ui/qt_services.h"

#include <QAbstractButton>
#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/seqfile.h"
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
        case MessageButtons::SaveDiscardCancel:
            standard = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
            escape = QMessageBox::Cancel;
            break;
    }
    box.setStandardButtons(standard);
    box.setEscapeButton(escape);
    if (buttons == MessageButtons::SaveDiscardCancel) {
        // Return saves, Escape cancels, and each button has its Alt key. The
        // platform's own word for Discard varies ("Discard", "Close without
        // Saving"); the question is about saving.
        box.setDefaultButton(QMessageBox::Save);
        box.button(QMessageBox::Discard)->setText(QStringLiteral("&Don't Save"));
        for (const QMessageBox::StandardButton b : {QMessageBox::Save, QMessageBox::Cancel}) {
            QAbstractButton* button = box.button(b);
            if (!button->text().contains(QLatin1Char('&'))) {
                button->setText(QLatin1Char('&') + button->text());
            }
        }
    }
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
        case QMessageBox::Save:
            return MessageAnswer::Save;
        case QMessageBox::Discard:
            return MessageAnswer::Discard;
        default:
            return MessageAnswer::Ok;
    }
}

void QtMessages::beep() {
    QApplication::beep();
}

void configureFileDialog(QFileDialog& dialog, const FileDialogRequest& request, bool save) {
    dialog.setWindowTitle(q(request.title));
    dialog.setNameFilter(q(qtFileFilter(request.filter)));
    dialog.setDefaultSuffix(q(fileDialogSuffix(request.filter)));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
}

namespace {

std::string runFileDialog(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(QApplication::activeWindow());
    configureFileDialog(dialog, request, save);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return localPath(dialog.selectedFiles().front());
}

}  // namespace

std::string QtFileDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, false);
}

std::string QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, true);
}

QRect imageRectOnPage(const QSize& image, const QRect& page) {
    if (image.isEmpty() || page.isEmpty()) {
        return QRect(page.topLeft(), QSize(0, 0));
    }
    const QSize size = image.scaled(page.size(), Qt::KeepAspectRatio);
    return QRect(page.x() + (page.width() - size.width()) / 2,
                 page.y() + (page.height() - size.height()) / 2, size.width(), size.height());
}

bool paintImageOnPage(QPaintDevice& device, const QImage& image) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const QRect target = imageRectOnPage(image.size(), painter.viewport());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end();
}

int paintTextPages(QPagedPaintDevice& device, const std::vector<std::string>& lines,
                   const QFont& font) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    const QRect page = painter.viewport();
    QFont f(font, &device);
    if (!(f.pointSizeF() > 0)) {
        f.setPointSizeF(10);
    }
    double widest = 0;
    {
        const QFontMetricsF metrics(f, &device);
        for (const std::string& line : lines) {
            widest = std::max(widest, metrics.horizontalAdvance(q(line)));
        }
    }
    if (widest > page.width()) {
        f.setPointSizeF(f.pointSizeF() * page.width() / widest);
    }
    const QFontMetricsF metrics(f, &device);
    const double lineHeight = metrics.lineSpacing();
    const int perPage = std::max(1, static_cast<int>(std::floor(page.height() / lineHeight)));
    painter.setFont(f);
    painter.setPen(Qt::black);
    int pages = 1;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const int row = static_cast<int>(k % static_cast<std::size_t>(perPage));
        if (k > 0 && row == 0) {
            if (!device.newPage()) {
                painter.end();
                return 0;
            }
            ++pages;
        }
        painter.drawText(QPointF(0, metrics.ascent() + row * lineHeight), q(lines[k]));
    }
    return painter.end() ? pages : 0;
}

QtPrinter::System QtPrinter::platformSystem() {
    System system;
    system.printersAvailable = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };
    system.printDialog = [](QPrinter& printer) {
        QPrintDialog dialog(&printer, QApplication::activeWindow());
        // The dialog offers printing into a PDF file beside the printers.
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dialog.exec() == QDialog::Accepted;
    };
    return system;
}

QtPrinter::QtPrinter(Messages& messages, FileDialogs& fileDialogs, System system)
    : messages_(messages), fileDialogs_(fileDialogs), system_(std::move(system)) {}

bool QtPrinter::printImage(const QImage& image, const std::string& jobName) {
    return printPages(
        [&image](QPagedPaintDevice& device) { return paintImageOnPage(device, image); },
        image.width() > image.height(), jobName);
}

bool QtPrinter::printText(const std::vector<std::string>& lines, const QFont& font,
                          const std::string& jobName) {
    return printPages(
        [&](QPagedPaintDevice& device) { return paintTextPages(device, lines, font) > 0; }, false,
        jobName);
}

bool QtPrinter::printPages(const std::function<bool(QPagedPaintDevice&)>& paint, bool landscape,
                           const std::string& jobName) {
    const auto pdf = [&](const std::string& path) {
        return savePdf([&paint](QPdfWriter& writer) { return paint(writer); }, landscape, jobName,
                       path);
    };
    if (!system_.printersAvailable()) {
        const std::string path = fileDialogs_.saveFile({kPdfFileFilter, kPdfFileTitle});
        return !path.empty() && pdf(path);
    }
    QPrinter printer(QPrinterInfo::defaultPrinter().isNull()
                         ? QPrinterInfo::availablePrinters().value(0)
                         : QPrinterInfo::defaultPrinter(),
                     QPrinter::HighResolution);
    printer.setDocName(q(jobName));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!system_.printDialog(printer)) {
        return false;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return pdf(localPath(printer.outputFileName()));
    }
    if (!paint(printer)) {
        messages_.show(std::string(kNotPrintedMessage) + "\nThe printer could not be started.");
        return false;
    }
    return true;
}

// The pages are written in memory and saved whole, so a failed print never
// leaves half a file nor damages an older one.
bool QtPrinter::savePdf(const std::function<bool(QPdfWriter&)>& paint, bool landscape,
                        const std::string& jobName, const std::string& path) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(q(jobName));
        pdf.setCreator(q(jobName));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        if (!paint(pdf)) {
            messages_.show(std::string(kNotPrintedMessage) + "\nThe page could not be drawn.");
            return false;
        }
    }
    const SaveResult saved =
        saveFileBytes(std::filesystem::path(path),
                      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!saved.ok) {
        messages_.show(std::string(kNotPrintedMessage) + "\n" + saved.message);
        return false;
    }
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
    s.printer = std::make_unique<QtPrinter>(*s.messages, *s.fileDialogs);
    s.clock = std::make_unique<QtClock>();
    s.random = std::make_unique<StandardRandom>();
    s.modalRunner = std::make_unique<QtModalRunner>();
    return s;
}

}  // namespace platform::ui
