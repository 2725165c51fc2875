#include "rewrite/button_templates.h"

#include "run/run_context.h"

namespace check_html {
namespace {

// Every form ends with the blank after the SRC value, the PDF button's GIF form as well, so the
// attribute that follows never runs into the quote.
const ButtonTemplates kPngButtons{
    "SRC=\"../../styles/index.png\" ",   "SRC=\"../../styles/weiter.png\" ",
    "SRC=\"../../styles/zurueck.png\" ", "SRC=\"../../styles/zu_zu.png\" ",
    "SRC=\"../../styles/pdf_logo.png\" ",
};
const ButtonTemplates kGifButtons{
    "SRC=\"../../styles/index.gif\" ",   "SRC=\"../../styles/weiter.gif\" ",
    "SRC=\"../../styles/zurueck.gif\" ", "SRC=\"../../styles/zu_zu.gif\" ",
    "SRC=\"../../styles/pdf_logo.gif\" ",
};

}  // namespace

const ButtonTemplates& ButtonForms(bool png) { return png ? kPngButtons : kGifButtons; }

const ButtonTemplates& ButtonsOf(const RunContext& run) { return ButtonForms(run.PngButtons); }

}  // namespace check_html
