#include "rewrite/button_templates.h"

namespace check_html {
namespace {

// Every form ends with the blank after the SRC value, the PDF button's GIF form as well, so the
// attribute that follows never runs into the quote.
constexpr const char* kIndexPng = "SRC=\"../../styles/index.png\" ";
constexpr const char* kForwardPng = "SRC=\"../../styles/weiter.png\" ";
constexpr const char* kBackPng = "SRC=\"../../styles/zurueck.png\" ";
constexpr const char* kGoToPng = "SRC=\"../../styles/zu_zu.png\" ";
constexpr const char* kPdfPng = "SRC=\"../../styles/pdf_logo.png\" ";

constexpr const char* kIndexGif = "SRC=\"../../styles/index.gif\" ";
constexpr const char* kForwardGif = "SRC=\"../../styles/weiter.gif\" ";
constexpr const char* kBackGif = "SRC=\"../../styles/zurueck.gif\" ";
constexpr const char* kGoToGif = "SRC=\"../../styles/zu_zu.gif\" ";
constexpr const char* kPdfGif = "SRC=\"../../styles/pdf_logo.gif\" ";

}  // namespace

std::string IndexButton = kIndexPng;
std::string ForwardButton = kForwardPng;
std::string BackButton = kBackPng;
std::string GoToButton = kGoToPng;
std::string PdfButton = kPdfPng;

void UseGifButtons() {
  IndexButton = kIndexGif;
  ForwardButton = kForwardGif;
  BackButton = kBackGif;
  GoToButton = kGoToGif;
  PdfButton = kPdfGif;
}

void UsePngButtonForms() {
  IndexButton = kIndexPng;
  ForwardButton = kForwardPng;
  BackButton = kBackPng;
  GoToButton = kGoToPng;
  PdfButton = kPdfPng;
}

}  // namespace check_html
