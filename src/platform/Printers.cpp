#include "platform/Printers.h"

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <cctype>
#include <cstdio>
#include <vector>
#include <stdexcept>

#include "platform/GuiApp.h"
#include "platform/QtCanvas.h"

namespace plat {

namespace {
// A page of A4 at a resolution fine enough for 8-point text and hairlines.
constexpr int kResolution = 300;

bool EndsWithPng(const std::string& Name) {
    if (Name.size() < 4) return false;
    std::string ext = Name.substr(Name.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".png";
}

}  // namespace

struct TPrinter::Impl {
    TCanvas canvas;
    std::unique_ptr<QPdfWriter> writer;
    // Pages as pictures: the page being drawn and the files written.
    std::unique_ptr<QImage> page;
    std::vector<std::string> pageFiles;
    std::unique_ptr<QPainter> painter;
    std::unique_ptr<CanvasPaintScope> scope;
    std::string file;
    void StartPicture(int Width, int Height) {
        page = std::make_unique<QImage>(Width, Height, QImage::Format_RGB32);
        page->fill(Qt::white);
        painter = std::make_unique<QPainter>(page.get());
        scope = std::make_unique<CanvasPaintScope>(canvas, painter.get());
    }
    // Writes the page drawn so far; false when the file cannot be written.
    bool FinishPicture() {
        scope.reset();
        if (painter) painter->end();
        painter.reset();
        if (!page) return true;
        const std::string stem = file.substr(0, file.size() - 4);
        const std::string name = stem + "-" + std::to_string(pageFiles.size() + 1) + ".png";
        pageFiles.push_back(name);
        const bool ok = page->save(QString::fromStdString(name), "PNG");
        page.reset();
        return ok;
    }
    void Close() {
        scope.reset();
        if (painter) painter->end();
        painter.reset();
        writer.reset();
        page.reset();
    }
};

TPrinter::TPrinter() : d_(std::make_unique<Impl>()) {}

TPrinter::~TPrinter() {
    if (Printing()) d_->Close();
}

bool TPrinter::Printing() const { return d_->painter != nullptr; }

void TPrinter::BeginDoc() {
    if (Printing()) throw std::runtime_error("Printing in progress");
    EnsureGuiApplication();
    d_->file = outputFileName_.empty() ? (title_.empty() ? std::string("document") : title_) + ".pdf"
                                       : outputFileName_;
    d_->pageFiles.clear();
    if (EndsWithPng(d_->file)) {
        d_->StartPicture(PageWidth(), PageHeight());
        pageNumber_ = 1;
        return;
    }
    d_->writer = std::make_unique<QPdfWriter>(QString::fromStdString(d_->file));
    d_->writer->setResolution(kResolution);
    d_->writer->setTitle(QString::fromStdString(title_));
    d_->writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                          orientation_ == prLandscape ? QPageLayout::Landscape
                                                                      : QPageLayout::Portrait,
                                          QMarginsF(0, 0, 0, 0)));
    d_->painter = std::make_unique<QPainter>();
    if (!d_->painter->begin(d_->writer.get())) {
        d_->painter.reset();
        d_->writer.reset();
        throw std::runtime_error("Cannot open the printer output " + d_->file);
    }
    d_->scope = std::make_unique<CanvasPaintScope>(d_->canvas, d_->painter.get());
    pageNumber_ = 1;
}

void TPrinter::NewPage() {
    if (!Printing()) throw std::runtime_error("Printer is not printing");
    if (d_->page) {
        if (!d_->FinishPicture()) throw std::runtime_error("Cannot write the printer output " + d_->pageFiles.back());
        d_->StartPicture(PageWidth(), PageHeight());
    } else {
        d_->writer->newPage();
    }
    ++pageNumber_;
}

void TPrinter::EndDoc() {
    if (!Printing()) throw std::runtime_error("Printer is not printing");
    if (d_->page && !d_->FinishPicture()) {
        d_->Close();
        pageNumber_ = 0;
        throw std::runtime_error("Cannot write the printer output " + d_->pageFiles.back());
    }
    d_->Close();
    pageNumber_ = 0;
}

void TPrinter::Abort() {
    if (!Printing()) return;
    d_->Close();
    std::remove(d_->file.c_str());
    for (const std::string& f : d_->pageFiles) std::remove(f.c_str());
    d_->pageFiles.clear();
    pageNumber_ = 0;
}

int TPrinter::XResolution() const { return kResolution; }
int TPrinter::YResolution() const { return kResolution; }

int TPrinter::PageWidth() const {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double w = orientation_ == prLandscape ? mm.height() : mm.width();
    return static_cast<int>(w / 25.4 * kResolution + 0.5);
}

int TPrinter::PageHeight() const {
    const QSizeF mm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double h = orientation_ == prLandscape ? mm.width() : mm.height();
    return static_cast<int>(h / 25.4 * kResolution + 0.5);
}

TCanvas& TPrinter::Canvas() { return d_->canvas; }

TPrinter& Printer() {
    static TPrinter printer;
    return printer;
}

}  // namespace plat
