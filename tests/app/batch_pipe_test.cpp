#include "app/batch_pipe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "../comm/pipe_test_support.h"
#include "app/batch_front_end.h"
#include "app/batch_options.h"
#include "app/batch_run.h"
#include "sample_site_run.h"

namespace check_html {
namespace {

// Page lists to serve, of the test's own.
class BatchPipe : public ::testing::Test {
 protected:
  BatchPipe() {
    FillList(lists_.BackboneList, "Kesta", 2);
    FillList(lists_.CleanedList, "Kesta", 1);
  }
  ~BatchPipe() override {
    std::fclose(out_);
    std::fclose(err_);
  }

  PipeFolderForTest folder_;
  PageLists lists_;
  std::FILE* out_ = std::tmpfile();
  std::FILE* err_ = std::tmpfile();
};

TEST_F(BatchPipe, FetchListsPrintsBothListsOfAServingProgram) {
  std::FILE* log = std::tmpfile();
  BatchFrontEnd front_end(log, nullptr);
  int fetched = -1;
  EXPECT_EQ(ServePageLists(lists_, front_end, log, err_,
                           [&] { fetched = PrintFetchedLists(out_, err_, true); }),
            0);
  EXPECT_EQ(fetched, 0);
  EXPECT_EQ(Drain(out_),
            "BackboneList 2\nKesta\nkap1/backbone/p1.html\nkap2/backbone/p2.html\n"
            "CleanedList 1\nKesta\nkap1/backbone/p1.html\n");
  EXPECT_EQ(Drain(err_), "");
  const std::string served = Drain(log);
  EXPECT_NE(served.find("4: Sending result TTestComp\n"), std::string::npos) << served;
  std::fclose(log);
}

}  // namespace
}  // namespace check_html
