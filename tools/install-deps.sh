#!/usr/bin/env bash
# Installs everything Tallimark needs to build, run and test on Debian 12.
# Run as root (or through sudo).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
    build-essential cmake ninja-build pkg-config clang-format \
    qt6-base-dev qt6-base-dev-tools libqt6svg6 libgl-dev \
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
    libpoppler-qt6-dev zlib1g-dev libharfbuzz-dev libqpdf-dev qpdf \
    fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra fonts-urw-base35 fontconfig \
    xvfb xauth poppler-utils imagemagick \
    cups cups-client cups-filters libcups2-dev \
    clang libclang-rt-14-dev \
    python3-markdown librsvg2-bin \
    dpkg-dev file desktop-file-utils appstream shared-mime-info man-db lintian \
    ca-certificates
