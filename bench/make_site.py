#!/usr/bin/env python3
"""Writes a large site in the sample site's layout, the same for the same seed.

    make_site.py --pages N [--seed S] [--external-ports P,P,... --external-addresses N] OUT

OUT/zq/html/start.html links every chapter's contents page; chapters kapNN hold a backbone folder
and the section folders illustr, advanced, basics and exercise. Every page has 5-30 links, some
pictures, named anchors of every kind and three sections with an ID; about 2% of the links and
pictures point at files that do not exist. A fifth of the links name a section of their page,
and about 2% of those a section the page lacks. The missing files are written to
OUT/missing.txt, one absolute path a line, and the missing sections to OUT/missing_anchors.txt,
one absolute path and "#" and the name a line, so a benchmark can compare what a link checker
finds.

With --external-ports every page also links one or two of N external addresses on
http://127.0.0.1 at those ports (every address at least once when there are as many pages, drawn from a random generator of
their own, so the rest of the site stays the same for the same seed); one address in 50 is
"/gone..." (which the benchmark's server answers with 404), listed in OUT/external_broken.txt.
"""
import argparse
import os
import random

SECTIONS = ["backbone", "illustr", "advanced", "basics", "exercise"]
PAGES_PER_CHAPTER = 500
WORDS = ("Kraft Masse Beschleunigung Impuls Energie Arbeit Leistung Feder Pendel Welle "
         "Schwingung Reibung Geschwindigkeit Zeit Weg Drehmoment Tr\xe4gheit Gr\xf6\xdfe "
         "\xdcberlagerung Stoss Gravitation Feld Ladung Spannung Strom").split()
BROKEN_SHARE = 0.02
FRAGMENT_SHARE = 0.2
SECTIONS_PER_PAGE = 3


def page_path(chapter, section, number):
    return f"kap{chapter:02d}/{section}/p{number}.html"


def layout(pages):
    """The relative paths of all pages, in a fixed order."""
    paths = []
    chapters = max(1, (pages + PAGES_PER_CHAPTER - 1) // PAGES_PER_CHAPTER)
    for i in range(pages):
        chapter = i % chapters + 1
        section = SECTIONS[(i // chapters) % len(SECTIONS)]
        paths.append(page_path(chapter, section, i))
    return paths, chapters


def relative(from_page, to_path):
    return os.path.relpath(to_path, os.path.dirname(from_page)).replace(os.sep, "/")


def paragraph(rng):
    return " ".join(rng.choice(WORDS) for _ in range(rng.randint(40, 90)))


def anchor(rng, n):
    kind = rng.randrange(6)
    word = rng.choice(WORDS)
    if kind == 0:
        return f'<A NAME="?{word.upper()[:4]}{n}">{word} (Abk.)</A>'
    if kind == 1:
        return f'<A NAME="\xa7{word.lower()}">{word}</A>'
    if kind == 2:
        return f'<A NAME="!{word} {n}">{word}</A>'
    if kind == 3:
        return f'<A NAME="${rng.randint(1, 28):02d}{rng.randint(1, 12):02d}{rng.randint(0, 25):02d}">neu</A>'
    return f'<A NAME="{word}{n % 7}">{word}</A>'


def write_page(out, rel, title, body):
    path = os.path.join(out, "zq", "html", rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = (f"<HTML>\r\n<HEAD>\r\n<TITLE>{title}</TITLE>\r\n</HEAD>\r\n<BODY>\r\n"
            + body + "\r\n</BODY>\r\n</HTML>\r\n")
    with open(path, "wb") as f:
        f.write(text.encode("latin-1"))


def write_picture(out, rel):
    path = os.path.join(out, "zq", "html", rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"GIF89a\x01\x00\x01\x00\x00\x00\x00;")


def external_address(k, ports):
    port = ports[k % len(ports)]
    return f"http://127.0.0.1:{port}/" + (f"gone{k}.html" if k % 50 == 7 else f"page{k}.html")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pages", type=int, required=True)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--external-ports", default="")
    parser.add_argument("--external-addresses", type=int, default=0)
    parser.add_argument("out")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    ports = [int(p) for p in args.external_ports.split(",") if p]
    external = [external_address(k, ports) for k in range(args.external_addresses if ports else 0)]
    external_rng = random.Random(args.seed + 1)
    linked = set()
    paths, chapters = layout(args.pages)
    root = os.path.abspath(os.path.join(args.out, "zq", "html"))
    os.makedirs(os.path.join(root, "check"), exist_ok=True)
    missing = set()
    missing_anchors = set()

    pictures = [f"kap{c:02d}/illustr/bild{k}.gif" for c in range(1, chapters + 1) for k in range(20)]
    for picture in pictures:
        write_picture(args.out, picture)

    contents = [f"kap{c:02d}/backbone/r{c}.html" for c in range(1, chapters + 1)]
    start = "".join(f'<P><A HREF="{p}">Kapitel {c + 1}</A></P>\r\n' for c, p in enumerate(contents))
    write_page(args.out, "start.html", "Inhalt", start)
    for c, rel in enumerate(contents):
        first = [p for p in paths if p.startswith(f"kap{c + 1:02d}/")][:1]
        links = "".join(f'<A HREF="{relative(rel, p)}">weiter</A>\r\n' for p in first)
        write_page(args.out, rel, f"Kapitel {c + 1}", links)

    for i, rel in enumerate(paths):
        parts = [f"<H1>Seite {i}</H1>"]
        targets = [paths[(i + 1) % len(paths)]]  # a chain, so every page is reachable
        targets += [rng.choice(paths) for _ in range(rng.randint(4, 29))]
        for n, target in enumerate(targets):
            if n > 0 and rng.random() < BROKEN_SHARE:
                target = target.replace(".html", f"_fehlt{i}.html")
                missing.add(os.path.join(root, target))
            fragment = ""
            if rng.random() < FRAGMENT_SHARE:
                section = rng.randint(1, SECTIONS_PER_PAGE)
                if rng.random() < BROKEN_SHARE:
                    section = SECTIONS_PER_PAGE + 1 + i % 7
                    if "_fehlt" not in target:
                        missing_anchors.add(os.path.join(root, target) + f"#abschnitt{section}")
                fragment = f"#abschnitt{section}"
            parts.append(f'<P>{paragraph(rng)} <A HREF="{relative(rel, target)}{fragment}">'
                         f"{rng.choice(WORDS)}</A></P>")
        for n in range(rng.randint(1, 4)):
            picture = rng.choice(pictures)
            if rng.random() < BROKEN_SHARE:
                picture = picture.replace(".gif", f"_fehlt{i}.gif")
                missing.add(os.path.join(root, picture))
            parts.append(f'<IMG SRC="{relative(rel, picture)}" WIDTH="20" HEIGHT="20" ALT="Bild">')
        parts += [anchor(rng, n) for n in range(rng.randint(1, 5))]
        parts += [f'<H2 ID="abschnitt{s}">{rng.choice(WORDS)}</H2>'
                  for s in range(1, SECTIONS_PER_PAGE + 1)]
        parts.append(f"<P>{paragraph(rng)}</P>")
        if external:
            chosen = [external[i % len(external)]]
            chosen += external_rng.sample(external, external_rng.randint(0, 1))
            parts += [f'<P><A HREF="{address}">extern</A></P>' for address in chosen]
            linked.update(chosen)
        write_page(args.out, rel, f"Seite {i} \xfcber {rng.choice(WORDS)}", "\r\n".join(parts))

    with open(os.path.join(args.out, "missing_anchors.txt"), "w", encoding="latin-1") as f:
        f.write("".join(p + "\n" for p in sorted(missing_anchors)))
    with open(os.path.join(args.out, "missing.txt"), "w", encoding="latin-1") as f:
        f.write("".join(p + "\n" for p in sorted(missing)))
    if external:
        with open(os.path.join(args.out, "external_broken.txt"), "w", encoding="latin-1") as f:
            f.write("".join(a + "\n" for a in external if "/gone" in a and a in linked))


if __name__ == "__main__":
    main()
