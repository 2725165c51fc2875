#!/usr/bin/env python3
"""Writes the formula sections of all_math.txt for a document made by the TeX-to-HTML converter.

    tools/make_all_math.py DOC.tex [ALL_MATH] [--pages FOLDER]

The converter (options "html,mathml,graphics-110,index=1,3,next") cuts DOC.tex into pages:
the title page JOB.html, the contents page JOBli1.html (it also holds the text up to the first
section), one page per section JOBseN.html and per subsection JOBsuN.html (both numbered
through the whole document), and the index page as the next JOBliN.html. Every formula of a
page becomes one entry, in page order: kind + "!Y>" + TeX text + "<Y;", where kind is "0"
outside figures and the page's figure letter ("a" for its first figure, "b" ...) inside one.
Each page gets a header line "!Y>" + page name + "<Y;", the title page first: a page finds its
section as the first header that begins with its name. Blank runs in a formula become one blank.

Without ALL_MATH the sections go to standard output. With it, the sections of this document's
pages are replaced there and every other section is kept in its place (new pages are added at
the end). With --pages the converted pages in FOLDER are read and every page must hold as many
math elements as it has entries, display="block" ones exactly where an entry is displayed.
Files are ISO-8859-1 bytes; lines end with LF.
"""
import argparse
import os
import re
import sys

ENCODING = "latin-1"
DISPLAY_ENVS = r"(?:equation|eqnarray|align|gather|multline)\*?"
TOKEN = re.compile(
    r"\\section\*?\s*\{|\\subsection\*?\s*\{|\\tableofcontents|\\printindex"
    r"|\\begin\{figure\*?\}|\\end\{figure\*?\}"
    r"|\\\(.*?\\\)|\\\[.*?\\\]|\\begin\{(" + DISPLAY_ENVS + r")\}.*?\\end\{\1\}"
    r"|(?<!\\)\$\$.*?\$\$|(?<!\\)\$.*?\$",
    re.S)


def strip_comments(tex):
    return re.sub(r"(?<!\\)%[^\n]*", "", tex)


def document_body(tex):
    start = tex.find("\\begin{document}")
    end = tex.find("\\end{document}")
    return tex[start if start >= 0 else 0:end if end >= 0 else len(tex)]


def formula_text(token):
    """The entry text: inline as \\( \\), displayed as \\[ \\] or the environment itself."""
    if token.startswith("$$"):
        token = "\\[" + token[2:-2] + "\\]"
    elif token.startswith("$"):
        token = "\\(" + token[1:-1] + "\\)"
    return " ".join(token.split())


def pages_of(job, tex):
    """List of (page name, [(kind, formula)]) in document order."""
    pages = [(job, [])]
    counts = {"li": 0, "se": 0, "su": 0}
    figure = None
    letters = 0

    def new_page(kind):
        nonlocal letters
        counts[kind] += 1
        pages.append((job + kind + str(counts[kind]), []))
        letters = 0

    for match in TOKEN.finditer(document_body(strip_comments(tex))):
        token = match.group(0)
        if token.startswith("\\section*") or token in ("\\tableofcontents", "\\printindex"):
            new_page("li")
        elif token.startswith("\\section"):
            new_page("se")
        elif token.startswith("\\subsection"):
            new_page("su")
        elif token.startswith("\\begin{figure"):
            figure = chr(ord("a") + letters)
            letters += 1
        elif token.startswith("\\end{figure"):
            figure = None
        else:
            pages[-1][1].append((figure or "0", formula_text(token)))
    return pages


def sections_text(pages):
    out = {}
    for name, entries in pages:
        lines = ["!Y>" + name + "<Y;"]
        lines += [kind + "!Y>" + text + "<Y;" for kind, text in entries]
        out[name] = "\n".join(lines) + "\n"
    return out


def merge(old_text, new_sections):
    """Replaces the sections named in new_sections, keeps the others, appends the rest."""
    parts = re.split(r"(?m)^(?=!Y>)", old_text)
    result, done = [], set()
    for part in parts:
        header = re.match(r"!Y>(.*?)<Y;", part)
        name = header.group(1) if header else None
        if name in new_sections:
            result.append(new_sections[name])
            done.add(name)
        elif part:
            result.append(part if part.endswith("\n") else part + "\n")
    result += [text for name, text in new_sections.items() if name not in done]
    return "".join(result)


def check_pages(pages, folder):
    """Compares the entries with the math elements of the converted pages; returns the faults."""
    faults = []
    for name, entries in pages:
        path = os.path.join(folder, name + ".html")
        if not os.path.exists(path):
            faults.append(name + ".html: missing")
            continue
        with open(path, encoding=ENCODING) as page:
            tags = re.findall(r"<math\b[^>]*>", page.read(), re.I)
        got = ["block" in tag for tag in tags]
        want = [text[1] in "[b" for _, text in entries]
        if got != want:
            faults.append("%s.html: math elements (block?) %s, entries %s" % (name, got, want))
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("source", help="the LaTeX document (ISO-8859-1)")
    parser.add_argument("all_math", nargs="?", help="formula file to update in place")
    parser.add_argument("--pages", metavar="FOLDER", help="folder of the converted pages to check")
    args = parser.parse_args()
    job = os.path.splitext(os.path.basename(args.source))[0]
    with open(args.source, encoding=ENCODING) as tex:
        pages = pages_of(job, tex.read())
    if args.pages is not None:
        faults = check_pages(pages, args.pages)
        if faults:
            sys.exit("\n".join(faults))
    sections = sections_text(pages)
    if args.all_math is None:
        sys.stdout.buffer.write("".join(sections.values()).encode(ENCODING))
        return
    old = ""
    if os.path.exists(args.all_math):
        with open(args.all_math, encoding=ENCODING, newline="") as formulas:
            old = formulas.read()
    with open(args.all_math, "w", encoding=ENCODING, newline="") as formulas:
        formulas.write(merge(old, sections))


if __name__ == "__main__":
    main()
