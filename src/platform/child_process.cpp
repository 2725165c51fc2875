#include "platform/child_process.h"

namespace check_html {

std::string DescribeEnd(const ChildEnd& end) {
  switch (end.how) {
    case ChildEnd::How::kExited:
      return "ended with exit code " + std::to_string(end.code);
    case ChildEnd::How::kSignalled:
      return "ended by signal " + std::to_string(end.code);
    case ChildEnd::How::kStopped:
      break;
  }
  return "stopped";
}

}  // namespace check_html
