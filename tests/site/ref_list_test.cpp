#include <gtest/gtest.h>

#include "report_run.h"

namespace check_html {
namespace {

using RefList = ReportTest;

TEST_F(RefList, IsWrittenOnlyForConvertedSites) {
  run.RefList = {"zq", "kap1/a.html 3"};
  const std::string path = "d:\\site\\check\\..\\..\\pdf_split\\RefList.txt";
  files.AddFolder("d:/pdf_split");
  run.WriteRefList(path);
  EXPECT_EQ(Written("d:/pdf_split/RefList.txt"), "(missing)");
  EXPECT_TRUE(front_end.Events().empty());

  tex_html = true;
  run.WriteRefList(path);
  EXPECT_EQ(Written("d:/pdf_split/RefList.txt"), "zq\r\nkap1/a.html 3\r\n");
  EXPECT_EQ(front_end.Events(), std::vector<std::string>{"status Safe File " + path});
}

}  // namespace
}  // namespace check_html
