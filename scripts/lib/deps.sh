# Installs the Debian packages Rowsweep needs, only those that are missing.
# Sourced by the scripts in scripts/.

# What building and running the program needs (scripts/run).
# qt6-tools-dev and qt6-l10n-tools compile the translations into the program.
rowsweep_packages_build=(build-essential cmake ninja-build pkg-config libgmp-dev qt6-base-dev libgl-dev fonts-dejavu-core
                         qt6-tools-dev qt6-l10n-tools)
# What the tests, benchmarks and fuzzers need besides (scripts/test). clang and
# libclang-rt-dev are Debian's default versions of each, so the fuzzers'
# runtime always matches the installed clang. The accessibility walk needs a
# session bus, the AT-SPI bus and pyatspi. Qt's own translations are optional
# for the program (its package only recommends them), but the tests check
# that they are loaded.
rowsweep_packages_test=(libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-dev poppler-utils
                        desktop-file-utils appstream file lintian man-db xvfb x11-utils texlive-latex-base
                        dbus-x11 dbus-bin at-spi2-core python3-pyatspi procps qt6-translations-l10n)
# Only for remaking the README's pictures (scripts/render-latex).
rowsweep_packages_docs=(texlive-latex-base poppler-utils)

rowsweep_missing_packages() {
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            printf '%s\n' "$package"
        fi
    done
}

rowsweep_require_packages() {
    local missing
    mapfile -t missing < <(rowsweep_missing_packages "$@")
    [ "${#missing[@]}" -eq 0 ] && return 0

    local run_as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "Missing packages (${missing[*]}) and no sudo to install them; please install them as root." >&2
            return 1
        fi
        run_as_root=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${run_as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# Makes a locale such as de_DE.UTF-8 available, generating it when missing,
# so that the tests can run as a user with that locale would.
rowsweep_require_locale() {
    local name=$1
    if locale -a 2>/dev/null | grep -qix "${name%%.*}.utf-\?8"; then
        return 0
    fi
    rowsweep_require_packages locales || return 1
    local run_as_root=()
    [ "$(id -u)" -eq 0 ] || run_as_root=(sudo)
    echo "Generating the locale $name"
    if ! grep -q "^$name UTF-8" /etc/locale.gen 2>/dev/null; then
        echo "$name UTF-8" | "${run_as_root[@]}" tee -a /etc/locale.gen >/dev/null
    fi
    "${run_as_root[@]}" locale-gen >/dev/null
}
