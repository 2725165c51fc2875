// Batch runs over small sites that hold one bad thing each. Every run must end as a run ends
// (exit 0, or exit 1 with the file error for what no run can get past), within its time, with
// a log line that names the trouble, and no page may be damaged: each is either untouched or
// rewritten whole, its old text then under its ".bak" name.
//
// The program runs in a child process, so that a hang is cut off and its memory measured. When
// the tests run as root, the child runs as "nobody" over a site handed to that user: root reads
// and writes files whatever their mode, and the protected files must protect for the test.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "../platform/temp_folder.h"

namespace check_html {
namespace {

namespace fs = std::filesystem;
using Texts = std::map<std::string, std::string>;

constexpr int kExitRunEnded = 0;
constexpr int kExitFileError = 1;
constexpr const char* kPages = "zq/html/kap01/backbone/";

std::string ReadWhole(const fs::path& path) {
  std::stringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// Every page of the site (".htm", ".html") with its bytes, by path relative to `root`.
Texts Pages(const fs::path& root) {
  Texts pages;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string extension = entry.path().extension().native();
    if (entry.is_regular_file() && (extension == ".html" || extension == ".htm")) {
      pages[fs::relative(entry.path(), root).native()] = ReadWhole(entry.path());
    }
  }
  return pages;
}

struct ProgramRun {
  int exit_code = -1;  // -1: still running at its time limit, then killed
  std::string log;     // standard output: the log lines
  std::string err;     // standard error: the closing status line
  long peak_kb = 0;    // peak resident memory
  double seconds = 0;
};

// The peak resident memory of a running process, from its own high-water mark. (The rusage of
// a child counts the memory its parent had when it forked.)
long PeakKb(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
  }
  return 0;
}

// The user the program runs as: nobody when the tests run as root, else the tests' own.
const passwd* Unprivileged() { return geteuid() == 0 ? getpwnam("nobody") : nullptr; }

void HandOver(const fs::path& root, const passwd* user) {
  if (user == nullptr) return;
  EXPECT_EQ(lchown(root.c_str(), user->pw_uid, user->pw_gid), 0);
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    EXPECT_EQ(lchown(entry.path().c_str(), user->pw_uid, user->pw_gid), 0) << entry.path();
  }
}

class HostileSite : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(geteuid() != 0 || Unprivileged() != nullptr) << "no user nobody to run as";
    Put("zq/html/start.html",
        "<HTML><HEAD><TITLE>Start</TITLE></HEAD><BODY>\n<A HREF=\"kap01/backbone/bad.html\">"
        "bad</A> <A HREF=\"kap01/backbone/good.html\">good</A>\n</BODY></HTML>\n");
    Put(std::string(kPages) + "good.html",
        "<HTML><HEAD><TITLE>Good</TITLE></HEAD><BODY><P>Text <A NAME=\"Kraft\">Kraft</A>\n"
        "<A HREF=\"../../start.html\">start</A></P></BODY></HTML>\n");
    Put("zq/html/check/readme.txt", "");
    Put("zq/pdf_split/all_math.txt", "!Y>start<Y;\n");
  }

  void Put(const std::string& relative, std::string_view bytes) const {
    site_.Put(relative, bytes);
  }
  fs::path Site() const { return site_.Path(); }

  // One batch run over the site, in hand-written mode with table repair unless `extra` says
  // otherwise.
  ProgramRun Run(std::vector<std::string> extra = {}, int limit_seconds = 120) {
    const fs::path html = Site() / "zq/html";
    const passwd* user = Unprivileged();
    std::vector<std::string> args = {Program(user), "--batch", "--quiet", "--start",
                                     html / "start.html", "--out", html / "check",
                                     "--settings-dir", html / "check", "--today", "06.12.26",
                                     "--set", "tex_html=0", "--set", "DoNice_Item=1"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    const std::string out_path = Site() / "run.out";
    const std::string err_path = Site() / "run.err";
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const uid_t uid = user ? user->pw_uid : 0;
    const gid_t gid = user ? user->pw_gid : 0;

    ProgramRun run;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {  // only async-signal-safe calls up to exec
      dup2(out, 1);
      dup2(err, 2);
      if (user != nullptr &&
          (setgroups(0, nullptr) != 0 || setresgid(gid, gid, gid) != 0 ||
           setresuid(uid, uid, uid) != 0)) {
        _exit(126);
      }
      execv(argv[0], argv.data());
      _exit(127);
    }
    close(out);
    close(err);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      // The mark only grows, so the last reading is the peak (the first, taken before the
      // child's exec, may still show the test's own memory).
      if (const long peak = PeakKb(pid); peak > 0) run.peak_kb = peak;
      if (std::chrono::steady_clock::now() - start > std::chrono::seconds(limit_seconds)) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        ADD_FAILURE() << "the run did not end within " << limit_seconds << " s";
        status = -1;
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (status != -1 && WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
    run.log = ReadWhole(out_path);
    run.err = ReadWhole(err_path);
    return run;
  }

  // The program, copied into the site for a user who may not reach the build folder.
  std::string Program(const passwd* user) const {
    if (user == nullptr) return CHECK_HTML_PROGRAM;
    const fs::path copy = Site() / "check_html";
    if (!fs::exists(copy)) {
      fs::copy_file(CHECK_HTML_PROGRAM, copy);
      EXPECT_EQ(chown(copy.c_str(), user->pw_uid, user->pw_gid), 0);
    }
    return copy.native();
  }

  // Runs the program over the site as it is now and checks that no page was damaged.
  ProgramRun RunAndKeepPages(std::vector<std::string> extra = {}, int limit_seconds = 120) {
    const fs::path html = Site() / "zq/html";
    const Texts before = Pages(html);
    const bool tex = std::find(extra.begin(), extra.end(), "tex_html=1") != extra.end();
    HandOver(Site(), Unprivileged());
    ProgramRun run = Run(std::move(extra), limit_seconds);
    ExpectPagesWholeOrUntouched(before, html, tex);
    return run;
  }

  // A page is untouched, or its ".html" name holds a whole new page and its ".bak" name the old
  // text (in converter mode the old text after the pre-pass, a whole page too). A whole page
  // ends with its closing tag and blank lines.
  static void ExpectPagesWholeOrUntouched(const Texts& before, const fs::path& root, bool tex) {
    const Texts after = Pages(root);
    for (const auto& [page, old_text] : before) {
      const auto now = after.find(page);
      if (now != after.end() && now->second == old_text) continue;
      const fs::path stem = root / fs::path(page).replace_extension();
      const std::string backup = ReadWhole(fs::path(stem) += ".bak");
      if (tex) {
        EXPECT_TRUE(IsWhole(backup)) << page << " has a cut backup: " << backup.substr(0, 500);
      } else {
        EXPECT_EQ(backup, old_text) << page;
      }
      const std::string text = ReadWhole(fs::path(stem) += ".html");
      EXPECT_TRUE(IsWhole(text)) << page << " is cut: " << text.substr(0, 500);
    }
  }
  static bool IsWhole(std::string text) {
    text.erase(text.find_last_not_of(" \n") + 1);
    return text.ends_with("</HTML>");
  }

  TempFolder site_;
};

std::string Repeated(std::string_view piece, int times) {
  std::string text;
  text.reserve(piece.size() * static_cast<size_t>(times));
  for (int n = 0; n < times; ++n) text += piece;
  return text;
}

std::string RandomBytes(size_t size, unsigned seed) {
  std::mt19937 engine(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(engine());
  return bytes;
}

std::string Page(std::string_view body) {
  return "<HTML><HEAD><TITLE>Bad</TITLE></HEAD><BODY>\n" + std::string(body) +
         "\n</BODY></HTML>\n";
}

struct Case {
  const char* what;
  std::function<std::string()> bad_page;  // the text of bad.html
  std::vector<std::string> extra;         // further options of the run
  std::string log;                        // a line the log must hold
};

// Odd pages that the run reads over: it ends normally, within seconds even for 100,000
// elements, and rewrites every page it can.
TEST_F(HostileSite, OddPagesAreReadOverAndNoPageIsDamaged) {
  const std::string bad = (Site() / kPages / "bad.html").native();
  const std::string not_rewritten = "!!!No </HTML>, page not rewritten: " + bad;
  const Case cases[] = {
      {"an empty page", [] { return ""; }, {}, not_rewritten},
      {"random bytes", [] { return RandomBytes(1 << 16, 1); }, {}, not_rewritten},
      {"random bytes around a page end",
       [] { return RandomBytes(1 << 15, 2) + "</HTML>" + RandomBytes(1 << 15, 3); }, {}, bad},
      {"no page end", [] { return "<HTML><BODY><P>text</BODY>\n"; }, {}, not_rewritten},
      {"100,000 nested tables",
       [] { return Page(Repeated("<TABLE><TR><TD>", 100000) + "x" +
                        Repeated("</TD></TR></TABLE>", 100000)); }, {}, bad},
      {"100,000 nested anchors",
       [] { return Page(Repeated("<A NAME=\"?n\" HREF=\"good.html\">a", 100000) +
                        Repeated("</A>", 100000)); }, {}, bad},
      {"100,000 nested math elements in MathML mode",
       [] { return Page(Repeated("<math><mrow><mi>x</mi>", 100000) +
                        Repeated("</mrow></math>", 100000)); }, {"--set", "tex_html=1"}, bad},
      {"100,000 nested math elements in MathJax mode",
       [] { return Page(Repeated("<math display=\"block\"><mrow>", 100000) +
                        Repeated("</mrow></math>", 100000)); },
       {"--set", "tex_html=1", "--set", "for_mathjax=1"}, bad},
      {"100,000 comments and scripts that are never closed",
       [] { return Page(Repeated("<!-- c > <SCRIPT>s<TABLE><TR><TD><!-- t >", 100000)); }, {},
       bad},
      {"a tag that never closes",
       [] { return Page("<P>text <IMG SRC=\"a.gif\" " + Repeated("word ", 20000)); }, {}, bad},
      {"a value without its closing quote",
       [] { return Page("<A HREF=\"good.html>good</A> <IMG SRC=\"a.gif>x <A NAME=\"n>y</A>"); },
       {}, bad},
      {"a link of 10,000 characters",
       [] { return Page("<A HREF=\"" + std::string(10000, 'l') + ".html\">l</A><A HREF=\"" +
                        Repeated("../", 3333) + "x.html\">x</A>"); }, {}, bad},
      {"10,000 links",
       [] {
         std::string links;
         for (int n = 0; n < 10000; ++n) links += "<A HREF=\"p" + std::to_string(n) + ".html\">p</A>\n";
         return Page(links);
       }, {}, bad},
      {"a page linking itself and a cycle of pages",
       [] { return Page("<A HREF=\"bad.html\">me</A><A HREF=\"good.html#Kraft\">good</A>"); },
       {}, bad},
      {"a link to a folder",
       [] { return Page("<A HREF=\"../illustr/\">f</A><A HREF=\"..\">up</A>"); }, {}, bad},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove_all(Site() / "zq/html");
    SetUp();
    Put(std::string(kPages) + "bad.html", c.bad_page());
    Put("zq/html/kap01/illustr/f.html", "<HTML></HTML>\n");
    const ProgramRun run = RunAndKeepPages(c.extra);
    EXPECT_EQ(run.exit_code, kExitRunEnded) << run.err;
    EXPECT_NE(run.log.find(c.log + "\n"), std::string::npos) << run.log.substr(0, 2000);
    EXPECT_EQ(run.err, "Status: Idle\n");
    EXPECT_LT(run.seconds, 60) << "for 100,000 elements a run takes seconds";
  }
}

// What no run can get past ends it with the file error, before any page has changed.
TEST_F(HostileSite, AnUnreadablePageOrAProtectedOutputFolderEndsTheRunWithNoPageChanged) {
  struct Protected {
    const char* what;
    std::string path;
    mode_t mode;
    std::string log;
  };
  const fs::path bad = Site() / kPages / "bad.html";
  const Protected cases[] = {
      {"a page that cannot be read", bad, 0, "!!!File can not be opend: " + bad.native()},
      {"a write-protected page", bad, 0444, "!!!File can not be opend: " + bad.native()},
      {"a write-protected output folder", Site() / "zq/html/check", 0555,
       "!!!Error while writing file " + (Site() / "zq/html/check").native() + "\\zq_check.html"},
  };
  for (const Protected& c : cases) {
    SCOPED_TRACE(c.what);
    Put(std::string(kPages) + "bad.html", Page("<P>bad</P>"));
    const fs::path html = Site() / "zq/html";
    const Texts before = Pages(html);
    HandOver(Site(), Unprivileged());
    ASSERT_EQ(chmod(c.path.c_str(), c.mode), 0);
    const ProgramRun run = Run();
    ASSERT_EQ(chmod(c.path.c_str(), 0755), 0);
    EXPECT_EQ(run.exit_code, kExitFileError);
    EXPECT_NE(run.log.find(c.log + "\n"), std::string::npos) << run.log;
    EXPECT_EQ(Pages(html), before);
  }
}

// Names are bytes: a page named in Windows-1252 letters is found and rewritten like any other.
TEST_F(HostileSite, APageNamedWithBytesAbove127IsRewritten) {
  Put(std::string(kPages) + "bad.html", Page("<A HREF=\"\xC4rger\xDF.html\">\xC4</A>"));
  Put(std::string(kPages) + "\xE4rger\xDF.html", Page("<P>\xE4</P>"));
  const ProgramRun run = RunAndKeepPages();
  EXPECT_EQ(run.exit_code, kExitRunEnded);
  EXPECT_TRUE(fs::exists(Site() / kPages / "\xE4rger\xDF.bak"));
}

// Relative links through a folder that links to itself name the same pages by ever longer
// paths. The crawl scans a page once by its real path and the rewrite rewrites it once, so the
// run ends and each backup keeps its page's old text.
TEST_F(HostileSite, AFolderLinkingToItselfEndsTheCrawlAndEachPageIsRewrittenOnce) {
  Put(std::string(kPages) + "bad.html",
      Page("<A HREF=\"loop/bad.html\">1</A><A HREF=\"again/bad.html\">2</A>"
           "<A HREF=\"loop/again/good.html\">3</A>"));
  fs::create_directory_symlink(".", Site() / kPages / "loop");
  fs::create_directory_symlink(".", Site() / kPages / "again");
  const ProgramRun run = RunAndKeepPages();
  EXPECT_EQ(run.exit_code, kExitRunEnded);
  EXPECT_EQ(run.err, "Status: Idle\n");
}

// A page of 100 MB, mostly text, is read, scanned and rewritten with a few copies of itself in
// memory.
TEST_F(HostileSite, A100MegabytePageIsRewrittenWithAFewCopiesOfItInMemory) {
  constexpr long kPageMb = 100;
  const std::string text =
      "Die Bewegung eines K\xF6rpers \xE4ndert sich nur durch eine Kraft, die auf ihn wirkt; ohne "
      "sie bleibt er in Ruhe oder bewegt sich gleichf\xF6rmig geradeaus. ";
  const std::string paragraph =
      "<P>" + Repeated(text, 3) + "<B>Tr\xE4gheit</B> " + Repeated(text, 3) + "<BR>\n";
  const std::string unit = Repeated(paragraph, 16) +
                           "<P>Siehe <A NAME=\"Kraft\">Kraft</A> und <A HREF=\"good.html#Kraft\">"
                           "dort</A>.</P>\n";
  Put(std::string(kPages) + "bad.html",
      Page(Repeated(unit, static_cast<int>((kPageMb << 20) / unit.size()))));
  const ProgramRun run = RunAndKeepPages({}, 900);
  EXPECT_EQ(run.exit_code, kExitRunEnded);
  EXPECT_TRUE(fs::exists(Site() / kPages / "bad.bak")) << run.log.substr(0, 2000);
  // Besides the page: the program and its tables, and under the address sanitizer its
  // quarantine of freed blocks.
#if defined(__SANITIZE_ADDRESS__)
  constexpr long kOverheadMb = 400;
#else
  constexpr long kOverheadMb = 60;
#endif
  EXPECT_LT(run.peak_kb, (3 * kPageMb + kOverheadMb) << 10) << run.seconds << " s";
  std::printf("100 MB page: %.1f s, peak %ld MB\n", run.seconds, run.peak_kb >> 10);
}

}  // namespace
}  // namespace check_html
