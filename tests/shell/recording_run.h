// A run object that writes every pass, in order, to the recording front end's event list, so a
// test compares the whole course of a run at once. With any other front end the passes do
// nothing but their actions.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "../run/recording_front_end.h"
#include "shell/html_thread.h"

namespace check_html {

// Records each pass as "Name argument..." and, after the tables are released, " (no database)".
// An action registered under a pass name runs inside that pass.
class RecordingRun : public THTML_Thread {
 public:
  explicit RecordingRun(const RunEnvironment& environment)
      : THTML_Thread(environment),
        recorder_(dynamic_cast<RecordingFrontEnd*>(&environment.front_end)) {}
  ~RecordingRun() override { Wait(); }

  std::map<std::string, std::function<void(RecordingRun&)>> actions;

 protected:
  void BuildChapterContents(const std::string& start_file) override {
    Record("BuildChapterContents", start_file);
  }
  void CrawlTree(const std::string& start_file) override { Record("CrawlTree", start_file); }
  void WriteCrossCheck(const std::string& path) override { Record("WriteCrossCheck", path); }
  void RewriteAllPages() override { Record("RewriteAllPages", ""); }
  void WriteAbbrevList(const std::string& path) override { Record("WriteAbbrevList", path); }
  void WriteTranslList(const std::string& path) override { Record("WriteTranslList", path); }
  void WriteNameList(const std::string& path) override { Record("WriteNameList", path); }
  void WriteNewsList(const std::string& path, bool with_scripts) override {
    Record("WriteNewsList", path + (with_scripts ? " with scripts" : " without scripts"));
  }
  void WriteLanguageIndex(const std::string& path, const std::string& marker,
                          const std::string& suffix, bool wanted) override {
    Record("WriteLanguageIndex", path + " " + marker + " " + suffix + (wanted ? " 1" : " 0"));
  }
  void WriteIndexList(const std::string& path) override { Record("WriteIndexList", path); }
  void WriteFailures(const std::string& path) override { Record("WriteFailures", path); }
  void WriteUnreferenced(const std::string& path) override { Record("WriteUnreferenced", path); }
  void WriteLatexIndex() override { Record("WriteLatexIndex", ""); }
  void WriteRefList(const std::string& path) override { Record("WriteRefList", path); }
  void ConvertGifs() override { Record("ConvertGifs", ""); }
  void UpdatePageLists() override {
    Record("UpdatePageLists",
           recorder_ && recorder_->InSynchronize() ? "synchronized" : "on the worker");
  }
  void CopySpecial() override { Record("CopySpecial", ""); }
  void RepairTables(const std::string& page) override { Record("RepairTables", page); }

 private:
  void Record(const std::string& pass, const std::string& argument) {
    if (recorder_) {
      std::string event = pass;
      if (!argument.empty()) event += " " + argument;
      recorder_->Add(Context().Database ? event : event + " (no database)");
    }
    auto action = actions.find(pass);
    if (action != actions.end()) action->second(*this);
  }

  RecordingFrontEnd* recorder_;  // null: nothing is recorded
};

}  // namespace check_html
