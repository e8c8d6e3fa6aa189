#pragma once
// The printer the grid prints on. Without a printer system here, the
// document goes to a PDF file (by default "<job title>.pdf" in the working
// folder); its canvas draws in device pixels at the printer's resolution.
// An output file name ending in ".png" gets the pages as pictures instead,
// "<name>-1.png", "<name>-2.png"..., drawn exactly as the PDF pages are, so
// that what was printed can be looked at pixel by pixel.

#include <memory>
#include <string>

#include "platform/Graphics.h"

namespace plat {

enum TPrinterOrientationKind { prPortrait, prLandscape };

class TPrinter {
public:
    TPrinter();
    ~TPrinter();
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;

    // The PDF file the next document goes to.
    const std::string& OutputFileName() const { return outputFileName_; }
    void SetOutputFileName(const std::string& FileName) { outputFileName_ = FileName; }
    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& Title) { title_ = Title; }
    TPrinterOrientationKind Orientation() const { return orientation_; }
    void SetOrientation(TPrinterOrientationKind Value) { orientation_ = Value; }
    // The degrees by which the printer's driver turns a portrait page for
    // landscape (90 or 270); some drivers turn rotated text the other way
    // round depending on it.
    int LandscapeRotation() const { return landscapeRotation_; }
    void SetLandscapeRotation(int Value) { landscapeRotation_ = Value; }

    // Raises std::runtime_error when the output cannot be opened.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Ends the document without its pages: the output file is removed.
    void Abort();
    bool Printing() const;
    int PageNumber() const { return pageNumber_; }

    // The printable page in device pixels, and the device's dots per inch.
    int PageWidth() const;
    int PageHeight() const;
    int XResolution() const;
    int YResolution() const;
    TCanvas& Canvas();

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    std::string outputFileName_;
    std::string title_;
    TPrinterOrientationKind orientation_ = prPortrait;
    int landscapeRotation_ = 90;
    int pageNumber_ = 0;
};

// The program's one printer.
TPrinter& Printer();

}  // namespace plat
