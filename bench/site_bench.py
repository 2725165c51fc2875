#!/usr/bin/env python3
"""Times `check_html --batch --check-only` on generated sites of 1,000, 5,000 and 20,000 pages,
without and with the anchor check (CheckAnchors), and Debian's linkchecker with its anchor check
on the 5,000-page site, and compares the broken local links and anchors they find.

    bench/site_bench.py [--build build] [--sizes 1000 5000 20000] [--no-linkchecker]
                        [--full-run] [--dry-run] [--compare OTHER_BUILD] [--capitals]
                        [--external [--external-pages N]]

Sites are made by bench/make_site.py under BUILD/bench-sites (kept between runs; the same seed
gives the same site). Figures: wall time (median of five runs), pages per second, peak memory (maximum
resident set of the process), the same with the anchor check and the ratios of both (targets:
at most 1.2 for the time, 1.3 for the memory), and the ratio of the 20,000- to the 5,000-page
time, which stays below 4.6 when the time grows linearly.

With --full-run it also times a whole check run in hand-written mode (rewrite, lists, reports) on
a fresh copy of the 5,000- and 20,000-page sites, beside bench/rewrite_floor on another copy: the
file work alone of a rewrite (delete the old .bak, rename the page to .bak, read it, write it
back). It prints both (best of two), their ratio (target: at most 1.5) and the time of each pass.
Both follow the deletion of the previous copy: creating files right after many were deleted is
much slower on some file systems, so the two must start alike.

With --external it only times the external-link check: a generated site of 5,000 pages (or
--external-pages) with 2,000 distinct external addresses on 20 servers of its own on 127.0.0.1
(free ports), each answer delayed 50 ms, 2% of them answered 404. check_html --check-only with
CheckExternal (no cache: CacheDays=0) runs beside linkchecker --check-extern on the same site;
it prints both times, their ratio (goal: at least 20), the physical limit (addresses x 50 ms /
the concurrency check_html allows) and whether both found the broken addresses the generator
made. No address but 127.0.0.1 is asked.

With --dry-run it also times a dry run (--dry-run, its diff written beside the site) beside the
real run in hand-written mode, each on a fresh copy of the 5,000- and 20,000-page sites: both
times (best of two), their ratio (target: at most 1.5), both peak memories (target for the dry
run: below 1 GB on 20,000 pages) and the size of the diff.

With --compare OTHER_BUILD it only times this build's check_html beside another build's (for
example one of an earlier commit), alternating runs on the same sites.

With --capitals it only times the same site in two places side by side: under a folder whose path
is all lower case and under one with capitals (Anna/Sites, as in /home/Anna/Sites). The run writes
every path in lower case, so the second makes the program resolve the letter case of those
folders. It prints check-only (median of five, alternating) for each of --sizes and a whole run
in hand-written mode (fresh copies, best of four, alternating) for 5,000 pages, each beside the
`cat` floor: the time `cat` needs to read every page of the site (median of five). Targets: the
capitals within 1.1 times the lower-case time, for both.
"""
import argparse
import csv
import http.server
import hashlib
import os
import shutil
import subprocess
import sys
import threading
import time
from urllib.parse import unquote, urlparse

HERE = os.path.dirname(os.path.abspath(__file__))


def run_measured(cmd, **kwargs):
    """Runs cmd; returns (seconds, peak resident set in MB, exit code)."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)
    _, status, usage = os.wait4(proc.pid, 0)
    seconds = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    return seconds, usage.ru_maxrss / 1024.0, proc.returncode


def make_site(folder, pages):
    if os.path.exists(os.path.join(folder, "missing_anchors.txt")):
        return
    shutil.rmtree(folder, ignore_errors=True)
    subprocess.run([sys.executable, os.path.join(HERE, "make_site.py"), "--pages", str(pages),
                    folder], check=True)


def check_html_command(binary, site, anchors=False):
    html = os.path.join(site, "zq", "html")
    check = os.path.join(html, "check")
    command = [binary, "--batch", "--check-only", "--quiet", "--start",
               os.path.join(html, "start.html"), "--out", check, "--settings-dir", check]
    return command + (["--set", "CheckAnchors=1"] if anchors else [])


def missing_from_failure_report(site):
    """The absolute paths that the failure report lists as missing."""
    check = os.path.join(site, "zq", "html", "check")
    found = set()
    with open(os.path.join(check, "zq_bad.html"), encoding="latin-1") as report:
        for line in report:
            line = line.rstrip("\r\n")
            if line.startswith("<TD> ") and line.endswith(" </TD> <TD>"):
                link = line[len("<TD> "):-len(" </TD> <TD>")]
                found.add(os.path.normpath(os.path.join(check, link)))
    return found


def links_of_report(site, report):
    """The absolute paths (with "#name" for anchors) of the first cells of a report's rows."""
    check = os.path.join(site, "zq", "html", "check")
    found = set()
    with open(os.path.join(check, report), encoding="latin-1") as rows:
        for line in rows:
            line = line.rstrip("\r\n")
            if line.startswith("<TD> ") and line.endswith(" </TD> <TD>"):
                link, _, fragment = line[len("<TD> "):-len(" </TD> <TD>")].partition("#")
                path = os.path.normpath(os.path.join(check, link))
                found.add(path + "#" + fragment if fragment else path)
    return found


def full_run_command(binary, site):
    html = os.path.join(site, "zq", "html")
    check = os.path.join(html, "check")
    return [binary, "--batch", "--quiet", "--timings", "--set", "tex_html=0", "--set",
            "BindNoBack=0", "--set", "BindBack=0", "--start", os.path.join(html, "start.html"),
            "--out", check, "--settings-dir", check]


def fresh_copy(site, work):
    shutil.rmtree(work, ignore_errors=True)
    shutil.copytree(site, work, symlinks=True)
    subprocess.run(["sync"], check=False)


def time_full_run(build, sites, pages, rounds=2):
    """Whole run and floor, each on a fresh copy of one site made the same way (creating files
    costs the file system more right after many were deleted, so both must follow a deletion
    alike); best of `rounds`. Returns (run s, floor s, pass times of the best run)."""
    site = os.path.join(sites, str(pages))
    work = os.path.join(sites, f"{pages}-work")
    best_run, best_floor, best_passes = None, None, {}

    def time_floor():
        fresh_copy(site, work)
        floor = subprocess.run([os.path.join(build, "bench", "rewrite_floor"),
                                os.path.join(work, "zq", "html")], check=True,
                               capture_output=True, text=True)
        return float(floor.stdout.split()[1])

    time_floor()  # unmeasured: every measured step then follows the deletion of a used copy
    for _ in range(rounds):
        floor_seconds = time_floor()
        fresh_copy(site, work)
        start = time.perf_counter()
        run = subprocess.run(full_run_command(os.path.join(build, "check_html"), work),
                             stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        run_seconds = time.perf_counter() - start
        if run.returncode != 0:
            sys.exit(f"check_html failed on the {pages}-page site: {run.stderr}")
        if best_floor is None or floor_seconds < best_floor:
            best_floor = floor_seconds
        if best_run is None or run_seconds < best_run:
            best_run, best_passes = run_seconds, {}
            for line in run.stderr.splitlines():
                if line.startswith("Time: "):
                    name, seconds = line[6:].split()[0], float(line.split()[-2])
                    best_passes[name] = best_passes.get(name, 0.0) + seconds
    shutil.rmtree(work, ignore_errors=True)
    return best_run, best_floor, best_passes


def report_full_runs(build, sites):
    print("whole check run (hand-written mode) beside the rewrite's file work alone:")
    print(f"{'pages':>7} {'run s':>8} {'floor s':>8} {'run/floor':>9} {'lists s':>8} "
          f"{'crawl+reports s':>15} {'lists/crawl+reports':>19}")
    runs = {}
    list_passes = ("WriteAbbrevList", "WriteTranslList", "WriteNameList", "WriteNewsList",
                   "WriteLanguageIndex", "WriteIndexList")
    report_passes = ("CrawlTree", "WriteCrossCheck", "WriteFailures", "WriteUnreferenced")
    for pages in (5000, 20000):
        make_site(os.path.join(sites, str(pages)), pages)
        run_seconds, floor_seconds, passes = time_full_run(build, sites, pages)
        runs[pages] = run_seconds
        lists = sum(passes.get(name, 0.0) for name in list_passes)
        reports = sum(passes.get(name, 0.0) for name in report_passes)
        print(f"{pages:>7} {run_seconds:>8.2f} {floor_seconds:>8.2f} "
              f"{run_seconds / floor_seconds:>9.2f} {lists:>8.3f} {reports:>15.3f} "
              f"{100 * lists / reports:>18.1f}%")
        print("         " + ", ".join(f"{name} {seconds:.2f}" for name, seconds in passes.items()))
    print(f"whole-run time ratio 20000/5000: {runs[20000] / runs[5000]:.2f} "
          "(linear growth: below 4.6)")


def report_dry_runs(build, sites, rounds=2):
    """The dry run beside the real run, alternating, each on a fresh copy (best of `rounds`)."""
    binary = os.path.join(build, "check_html")
    print("dry run beside the real run (hand-written mode, fresh copies, best of two):")
    print(f"{'pages':>7} {'real s':>8} {'real MB':>8} {'dry s':>8} {'dry MB':>8} "
          f"{'dry/real':>8} {'diff MB':>8}")
    for pages in (5000, 20000):
        site, work = os.path.join(sites, str(pages)), os.path.join(sites, f"{pages}-work")
        diff = os.path.join(sites, f"{pages}-preview.diff")
        make_site(site, pages)
        best = {}
        for _ in range(rounds):
            for kind, extra in (("real", []), ("dry", ["--dry-run", "--diff", diff])):
                fresh_copy(site, work)
                seconds, peak, code = run_measured(full_run_command(binary, work) + extra)
                if code != 0:
                    sys.exit(f"the {kind} run failed on the {pages}-page site")
                old_seconds, old_peak = best.get(kind, (seconds, peak))
                best[kind] = (min(seconds, old_seconds), max(peak, old_peak))
        diff_mb = os.path.getsize(diff) / 1e6
        os.remove(diff)
        shutil.rmtree(work, ignore_errors=True)
        (real, real_mb), (dry, dry_mb) = best["real"], best["dry"]
        print(f"{pages:>7} {real:>8.2f} {real_mb:>8.1f} {dry:>8.2f} {dry_mb:>8.1f} "
              f"{dry / real:>8.2f} {diff_mb:>8.1f}")


def compare_builds(build, other, sites, sizes):
    """check_html of `build` beside that of `other`, alternating on the same sites: the link
    check (median of five) and a whole run in hand-written mode on fresh copies (best of two)."""
    binaries = {"this": os.path.join(build, "check_html"), "other": os.path.join(other, "check_html")}
    print(f"this build beside {other}:")
    print(f"{'pages':>7} {'check this s':>13} {'check other s':>14} {'ratio':>6}")
    for pages in sizes:
        site = os.path.join(sites, str(pages))
        make_site(site, pages)
        runs = {name: [] for name in binaries}
        for _ in range(5):
            for name, binary in binaries.items():
                runs[name].append(run_measured(check_html_command(binary, site))[0])
        this, that = (sorted(runs[n])[2] for n in ("this", "other"))
        print(f"{pages:>7} {this:>13.3f} {that:>14.3f} {this / that:>6.2f}")
    print(f"{'pages':>7} {'run this s':>13} {'run other s':>14} {'ratio':>6}")
    for pages in (5000, 20000):
        site, work = os.path.join(sites, str(pages)), os.path.join(sites, f"{pages}-work")
        make_site(site, pages)
        best = {}
        for _ in range(2):
            for name, binary in binaries.items():
                fresh_copy(site, work)
                start = time.perf_counter()
                subprocess.run(full_run_command(binary, work), stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL, check=True)
                seconds = time.perf_counter() - start
                best[name] = min(best.get(name, seconds), seconds)
        shutil.rmtree(work, ignore_errors=True)
        print(f"{pages:>7} {best['this']:>13.2f} {best['other']:>14.2f} "
              f"{best['this'] / best['other']:>6.2f}")


def page_files(site):
    """Every page of a site, in a fixed order."""
    found = []
    for folder, _, names in os.walk(site):
        found += [os.path.join(folder, n) for n in names if n.endswith((".html", ".htm"))]
    return sorted(found)


def digest_of_pages(site):
    """One hash of the names and bytes of every page of a site."""
    digest = hashlib.sha256()
    for path in page_files(site):
        digest.update(os.path.relpath(path, site).encode() + b"\0")
        with open(path, "rb") as page:
            digest.update(page.read())
    return digest.hexdigest()


def time_cat(files):
    """Seconds for `cat` to read all `files` (a few thousand names per call)."""
    start = time.perf_counter()
    for first in range(0, len(files), 2000):
        subprocess.run(["cat", *files[first:first + 2000]], stdout=subprocess.DEVNULL, check=True)
    return time.perf_counter() - start


def compare_case(build, sites, sizes):
    """The same site under an all-lower-case folder and under one with capitals, side by side."""
    binary = os.path.join(build, "check_html")
    places = {"lower": os.path.join(sites, "case", "lower", "sites"),
              "capitals": os.path.join(sites, "case", "Anna", "Sites")}
    if places["lower"] != places["lower"].lower():
        print(f"note: {places['lower']} has capitals itself, so the lower-case side resolves "
              "letter case too")
    print("the same site under a lower-case folder and under one with capitals "
          f"({places['capitals']}):")
    print(f"{'pages':>7} {'lower s':>8} {'capitals s':>10} {'ratio':>6} {'cat floor s':>11} "
          f"{'lower/cat':>9} {'capitals/cat':>12}   (check-only, median of five)")
    for pages in sizes:
        site = os.path.join(sites, str(pages))
        make_site(site, pages)
        copies = {}
        for name, place in places.items():
            copies[name] = os.path.join(place, str(pages))
            if not os.path.exists(os.path.join(copies[name], "missing.txt")):
                shutil.rmtree(copies[name], ignore_errors=True)
                shutil.copytree(site, copies[name], symlinks=True)
        files = page_files(copies["lower"])
        runs = {name: [] for name in copies}
        cats = []
        for _ in range(5):  # alternating, so all three see the same load
            for name, copy in copies.items():
                seconds, _, code = run_measured(check_html_command(binary, copy))
                if code != 0:
                    sys.exit(f"check_html failed on {copy}")
                runs[name].append(seconds)
            cats.append(time_cat(files))
        lower, capitals = (sorted(runs[n])[2] for n in ("lower", "capitals"))
        cat = sorted(cats)[2]
        print(f"{pages:>7} {lower:>8.3f} {capitals:>10.3f} {capitals / lower:>6.2f} {cat:>11.3f} "
              f"{lower / cat:>9.2f} {capitals / cat:>12.2f}")
        reports = [open(os.path.join(copy, "zq", "html", "check", "zq_bad.html"), "rb").read()
                   for copy in copies.values()]
        print(f"{'':>7} failure reports {'identical' if reports[0] == reports[1] else 'DIFFER'}")

    pages = 5000
    site = os.path.join(sites, str(pages))
    make_site(site, pages)
    print(f"{'pages':>7} {'lower s':>8} {'capitals s':>10} {'ratio':>6} {'cat floor s':>11} "
          f"{'lower/cat':>9} {'capitals/cat':>12}   (whole run, fresh copies, best of four)")
    best, cats, outputs = {}, [], {}
    for round_number in range(4):  # each goes first in every other round
        order = list(places.items())
        for name, place in order if round_number % 2 == 0 else reversed(order):
            work = os.path.join(place, f"{pages}-work")
            fresh_copy(site, work)
            if not cats:
                files = page_files(work)
                cats = [time_cat(files) for _ in range(5)]
            start = time.perf_counter()
            subprocess.run(full_run_command(binary, work), stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=True)
            seconds = time.perf_counter() - start
            best[name] = min(best.get(name, seconds), seconds)
            outputs[name] = digest_of_pages(work)
            shutil.rmtree(work, ignore_errors=True)
    cat = sorted(cats)[2]
    lower, capitals = best["lower"], best["capitals"]
    print(f"{pages:>7} {lower:>8.2f} {capitals:>10.2f} {capitals / lower:>6.2f} {cat:>11.3f} "
          f"{lower / cat:>9.2f} {capitals / cat:>12.2f}")
    same = outputs["lower"] == outputs["capitals"]
    print(f"{'':>7} rewritten pages and lists {'identical' if same else 'DIFFER'}")


def missing_from_linkchecker(site):
    """Runs linkchecker with its anchor check over the local files; returns (seconds, broken local
    paths, missing anchors as path#name)."""
    start = "file://" + os.path.join(site, "zq", "html", "start.html")
    out = os.path.join(site, "linkchecker.csv")
    config = os.path.join(site, "linkcheckerrc")
    with open(config, "w") as f:
        f.write("[AnchorCheck]\n")
    cmd = ["linkchecker", f"--config={config}", "--no-status", "--output=csv",
           "--ignore-url=^(http|https|mailto|javascript):", start]
    begin = time.perf_counter()
    with open(out, "w") as f:
        subprocess.run(cmd, stdout=f, stderr=subprocess.DEVNULL)
    seconds = time.perf_counter() - begin
    broken, anchors = set(), set()
    with open(out, encoding="utf-8", errors="replace") as f:
        rows = csv.reader((line for line in f if not line.startswith("#")), delimiter=";")
        header = next(rows, None)
        if header is None:
            return seconds, broken, anchors
        url_col, valid_col = header.index("url"), header.index("valid")
        warning_col = header.index("warningstring")
        for row in rows:
            if len(row) <= max(url_col, valid_col, warning_col):
                continue
            url = urlparse(row[url_col])
            if url.scheme != "file":
                continue
            path = os.path.normpath(unquote(url.path))
            if row[valid_col] == "False":
                broken.add(path)
            elif row[warning_col].startswith("Anchor `") and url.fragment:
                anchors.add(path + "#" + unquote(url.fragment))
    return seconds, broken, anchors


class SlowHandler(http.server.BaseHTTPRequestHandler):
    """Answers every request after 50 ms: 404 for "/gone...", else 200, without a body."""

    def answer(self):
        time.sleep(0.05)
        self.server.requests += 1
        self.send_response(404 if self.path.startswith("/gone") else 200)
        self.send_header("Content-Type", "text/plain")
        self.send_header("Content-Length", "0")
        self.end_headers()

    do_HEAD = answer
    do_GET = answer

    def log_message(self, *args):
        pass


def start_servers(count):
    servers = []
    for _ in range(count):
        server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), SlowHandler)
        server.requests = 0
        server.daemon_threads = True
        threading.Thread(target=server.serve_forever, kwargs={"poll_interval": 0.1},
                         daemon=True).start()
        servers.append(server)
    return servers


def broken_in_report(site):
    """The addresses of the external report's broken rows."""
    report = os.path.join(site, "zq", "html", "check", "zq_ext.html")
    text = open(report, encoding="latin-1").read().split("<HR>")[0]
    return {line.split()[1] for line in text.splitlines() if line.startswith("<TD> http")}


def broken_from_linkchecker_extern(site, timeout):
    start = "file://" + os.path.join(site, "zq", "html", "start.html")
    out = os.path.join(site, "linkchecker-extern.csv")
    cmd = ["linkchecker", "--check-extern", "--no-status", "--output=csv",
           f"--timeout={timeout}", "--ignore-url=^(mailto|javascript):", start]
    begin = time.perf_counter()
    with open(out, "w") as f:
        subprocess.run(cmd, stdout=f, stderr=subprocess.DEVNULL)
    seconds = time.perf_counter() - begin
    broken = set()
    with open(out, encoding="utf-8", errors="replace") as f:
        rows = csv.reader((line for line in f if not line.startswith("#")), delimiter=";")
        header = next(rows, None)
        if header is None:
            return seconds, broken
        url_col, valid_col = header.index("url"), header.index("valid")
        for row in rows:
            if len(row) > max(url_col, valid_col) and row[url_col].startswith("http://127.0.0.1:") \
                    and row[valid_col] == "False":
                broken.add(row[url_col])
    return seconds, broken


def external_bench(binary, sites, pages, with_linkchecker, hosts=20, addresses=2000):
    servers = start_servers(hosts)
    ports = ",".join(str(s.server_address[1]) for s in servers)
    site = os.path.join(sites, f"{pages}-external")
    shutil.rmtree(site, ignore_errors=True)  # the ports differ from run to run
    subprocess.run([sys.executable, os.path.join(HERE, "make_site.py"), "--pages", str(pages),
                    "--external-ports", ports, "--external-addresses", str(addresses), site],
                   check=True)
    truth = {line.rstrip("\n") for line in open(os.path.join(site, "external_broken.txt"))}
    connections, per_host = 32, 4
    command = check_html_command(binary, site) + [
        "--set", "CheckExternal=1", "--set", "CacheDays=0", "--set", f"Connections={connections}",
        "--set", f"PerHost={per_host}"]
    plain, _, _ = run_measured(check_html_command(binary, site))
    seconds, peak, code = run_measured(command)
    asked = sum(s.requests for s in servers)
    cache = os.path.join(site, "zq", "html", "check", "check_html_ext.cache")
    linked = len(open(cache).readlines())  # the distinct addresses the pages link
    at_once = min(connections, hosts * per_host)
    limit = linked * 0.05 / at_once
    print(f"external links: {pages} pages, {linked} addresses on {hosts} loopback hosts, "
          f"50 ms an answer")
    print(f"  check_html: {seconds:.2f} s (link check alone {plain:.2f} s), {asked} requests, "
          f"peak {peak:.0f} MB, exit {code}; physical limit {limit:.2f} s "
          f"({linked} x 50 ms / {at_once} at once)")
    print_difference("check_html", broken_in_report(site), "the generator", truth,
                     "broken addresses")
    if with_linkchecker and ensure_linkchecker():
        before = sum(s.requests for s in servers)
        lc_seconds, lc_broken = broken_from_linkchecker_extern(site, 15)
        print(f"  linkchecker --check-extern: {lc_seconds:.1f} s, "
              f"{sum(s.requests for s in servers) - before} requests; "
              f"check_html is {lc_seconds / seconds:.0f} times faster (goal: 20)")
        print_difference("check_html", broken_in_report(site), "linkchecker", lc_broken,
                          "broken addresses")
    for server in servers:
        server.shutdown()
        server.server_close()


def ensure_linkchecker():
    if shutil.which("linkchecker"):
        return True
    if os.geteuid() != 0:
        print("linkchecker is not installed (apt-get install linkchecker); skipping it")
        return False
    subprocess.run(["apt-get", "install", "-y", "-q", "linkchecker"], check=False,
                   stdout=subprocess.DEVNULL, env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
    return shutil.which("linkchecker") is not None


def print_difference(name_a, a, name_b, b, what="missing files"):
    only_a, only_b = sorted(a - b), sorted(b - a)
    if not only_a and not only_b:
        print(f"  {name_a} and {name_b} find the same {len(a)} {what}")
        return
    for name, only in ((name_a, only_a), (name_b, only_b)):
        print(f"  only {name}: {len(only)}")
        for path in only[:10]:
            print(f"    {path}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--build", default=os.path.join(HERE, "..", "build"))
    parser.add_argument("--sizes", type=int, nargs="+", default=[1000, 5000, 20000])
    parser.add_argument("--no-linkchecker", action="store_true")
    parser.add_argument("--full-run", action="store_true")
    parser.add_argument("--external", action="store_true",
                        help="only the external-link check beside linkchecker --check-extern")
    parser.add_argument("--external-pages", type=int, default=5000)
    parser.add_argument("--dry-run", action="store_true",
                        help="also time a dry run beside the real run")
    parser.add_argument("--compare", metavar="OTHER_BUILD",
                        help="only time this build's check_html beside the other build's")
    parser.add_argument("--capitals", action="store_true",
                        help="only time the same site under a lower-case folder and under one "
                             "with capitals, beside the cat floor")
    args = parser.parse_args()
    args.build = os.path.abspath(args.build)
    binary = os.path.join(args.build, "check_html")
    sites = os.path.join(args.build, "bench-sites")
    if args.compare:
        compare_builds(args.build, os.path.abspath(args.compare), sites, args.sizes)
        return
    if args.external:
        external_bench(binary, sites, args.external_pages, not args.no_linkchecker)
        return
    if args.capitals:
        compare_case(args.build, sites, args.sizes)
        return
    times, anchor_times = {}, {}
    print(f"{'pages':>7} {'seconds':>8} {'pages/s':>9} {'peak MB':>8}   with anchors: "
          f"{'seconds':>8} {'peak MB':>8} {'time x':>7} {'memory x':>8}")
    for pages in args.sizes:
        site = os.path.join(sites, str(pages))
        make_site(site, pages)
        plain, anchored = [], []
        for _ in range(5):  # alternating, so both see the same load
            plain.append(run_measured(check_html_command(binary, site)))
            anchored.append(run_measured(check_html_command(binary, site, anchors=True)))
        if any(code != 0 for _, _, code in plain + anchored):
            sys.exit(f"check_html failed on the {pages}-page site")
        seconds = sorted(s for s, _, _ in plain)[len(plain) // 2]
        peak = max(m for _, m, _ in plain)
        with_anchors = sorted(s for s, _, _ in anchored)[len(anchored) // 2]
        anchor_peak = max(m for _, m, _ in anchored)
        times[pages], anchor_times[pages] = seconds, with_anchors
        print(f"{pages:>7} {seconds:>8.3f} {pages / seconds:>9.0f} {peak:>8.1f}   "
              f"{'':>14}{with_anchors:>8.3f} {anchor_peak:>8.1f} {with_anchors / seconds:>7.2f} "
              f"{anchor_peak / peak:>8.2f}")
        truth = {os.path.normpath(line.rstrip("\n"))
                 for line in open(os.path.join(site, "missing.txt"), encoding="latin-1")}
        print_difference("check_html", missing_from_failure_report(site), "the generator", truth)
        anchor_truth = {line.rstrip("\n") for line in
                        open(os.path.join(site, "missing_anchors.txt"), encoding="latin-1")}
        print_difference("check_html", links_of_report(site, "zq_anchors.html"), "the generator",
                         anchor_truth, "missing anchors")
    if 5000 in times and 20000 in times:
        print(f"time ratio 20000/5000: {times[20000] / times[5000]:.2f} (linear growth: below 4.6)")
    if 5000 in times and not args.no_linkchecker and ensure_linkchecker():
        site = os.path.join(sites, "5000")
        seconds, broken, anchors = missing_from_linkchecker(site)
        print(f"linkchecker with its anchor check on 5000 pages: {seconds:.1f} s, check_html "
              f"with anchors {anchor_times[5000]:.3f} s, ratio {seconds / anchor_times[5000]:.0f}x")
        print_difference("check_html", missing_from_failure_report(site), "linkchecker", broken)
        print_difference("check_html", links_of_report(site, "zq_anchors.html"), "linkchecker",
                         anchors, "missing anchors")
    if args.full_run:
        report_full_runs(args.build, sites)
    if args.dry_run:
        report_dry_runs(args.build, sites)


if __name__ == "__main__":
    main()
