#!/usr/bin/env python3
"""Turns the user guide's Markdown into one HTML page with its style sheet and
pictures beside it:

    make_guide.py GUIDE.md OUTPUT_FOLDER

The headings keep the ids written after them ({#id}); the program links to
them (Online Help, the About box)."""
import pathlib
import shutil
import sys

import markdown

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


def main():
    source = pathlib.Path(sys.argv[1])
    out = pathlib.Path(sys.argv[2])
    text = source.read_text(encoding="utf-8")
    converter = markdown.Markdown(
        extensions=["toc", "tables", "attr_list", "fenced_code", "sane_lists"],
        extension_configs={"toc": {"title": "Contents", "toc_depth": "2-3"}},
    )
    body = converter.convert(text)
    title = text.splitlines()[0].lstrip("# ").split("{")[0].strip()
    out.mkdir(parents=True, exist_ok=True)
    (out / "index.html").write_text(PAGE.format(title=title, body=body), encoding="utf-8")
    shutil.copyfile(source.parent / "guide.css", out / "guide.css")
    if (source.parent / "images").is_dir():
        shutil.copytree(source.parent / "images", out / "images", dirs_exist_ok=True)


if __name__ == "__main__":
    main()
