#!/usr/bin/env python3
"""Turns the user guide's Markdown into one HTML page with its style sheet and
pictures beside it:

    make_guide.py GUIDE.md OUTPUT_FOLDER

The headings keep the ids written after them ({#id}). The sections the program
links to (the About box) also get a page of their own, SECTION.html: a file
URL's #fragment does not survive every desktop's way of starting a browser."""
import pathlib
import shutil
import sys

import markdown

SECTION_PAGES = ["getting-help", "messages"]

PAGE = """<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{title}</title>
<link rel="stylesheet" href="guide.css">
</head>
<body>
{body}
</body>
</html>
"""


def convert(text):
    converter = markdown.Markdown(
        extensions=["toc", "tables", "attr_list", "fenced_code", "sane_lists"],
        extension_configs={"toc": {"title": "Contents", "toc_depth": "2-3"}},
    )
    return converter.convert(text)


def section(text, section_id):
    """The level-2 section whose heading carries {#section_id}, to the next one."""
    lines = text.splitlines(keepends=True)
    start = next(i for i, line in enumerate(lines)
                 if line.startswith("## ") and line.rstrip().endswith("{#%s}" % section_id))
    end = next((i for i in range(start + 1, len(lines)) if lines[i].startswith("## ")), len(lines))
    return "".join(lines[start:end])


def main():
    source = pathlib.Path(sys.argv[1])
    out = pathlib.Path(sys.argv[2])
    text = source.read_text(encoding="utf-8")
    body = convert(text)
    title = text.splitlines()[0].lstrip("# ").split("{")[0].strip()
    out.mkdir(parents=True, exist_ok=True)
    (out / "index.html").write_text(PAGE.format(title=title, body=body), encoding="utf-8")
    for section_id in SECTION_PAGES:
        part = convert(section(text, section_id))
        back = '<p><a href="index.html">Tallimark User Guide</a></p>\n'
        (out / (section_id + ".html")).write_text(PAGE.format(title=title, body=back + part), encoding="utf-8")
    shutil.copyfile(source.parent / "guide.css", out / "guide.css")
    if (source.parent / "images").is_dir():
        shutil.copytree(source.parent / "images", out / "images", dirs_exist_ok=True)


if __name__ == "__main__":
    main()
