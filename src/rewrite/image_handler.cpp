// Stand-in until the image handler is built: the tag is written through.
#include "rewrite/image_handler.h"

#include "rewrite/page_rewrite.h"

namespace check_html {

void HandleImage(PageRewrite& page, const std::string& tag) { page.writer.WriteText("<" + tag + ">"); }

}  // namespace check_html
