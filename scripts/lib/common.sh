# Shared by the scripts in scripts/. Source it; do not run it. ORDERFORM_BUILD_DIR
# names another build folder than build/ (scripts/test-debian13 builds in
# build-debian13/).

project_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build_dir=${ORDERFORM_BUILD_DIR:-$project_root/build}

# What building the program needs.
build_packages=(cmake g++ make pkg-config qt6-base-dev libcups2-dev libxcb1-dev libx11-dev
    fonts-liberation2)

# What making the Debian package needs besides: dpkg-shlibdeps (dpkg-dev)
# works out its dependencies, on the files that file(1) finds to be programs;
# git tells the last commit's time, the package's time stamps.
package_packages=(dpkg-dev file git)

# What the unit and window tests need besides: the printing tests run their
# own CUPS scheduler (cups) and read the jobs' documents back with pdftotext
# (poppler-utils); the desktop tests start a private X server (xvfb); the
# spelling test reads every text of the program through hunspell's American
# English dictionary.
unit_test_packages=(cups poppler-utils xvfb hunspell hunspell-en-us)

# The unit and window tests run again under German and Turkish (comma decimal
# points, Turkish's own i); one test compares saving and printing under French
# too.
test_locales=(de_DE.UTF-8 fr_FR.UTF-8 tr_TR.UTF-8)

# How many tests run at once. Most of them wait on a window, a print scheduler
# or a program they started: twice as many as there are processors keep the
# processors busy.
test_jobs=$((2 * $(nproc)))

# Runs the unit, window and printing tests of the build in the current folder:
# every test but the end-to-end and package ones.
run_unit_and_window_tests() {
    ctest --output-on-failure --parallel "$test_jobs" --label-exclude "^(e2e|package)$"
}

# What scripts/test needs besides to check the code: clang-tidy, and Google
# Benchmark, so that the benchmarks in bench/ are built too.
check_packages=(clang-tidy libbenchmark-dev)

# The window managers that the end-to-end tests and bench/window_managers.py
# run the program under, Debian's own, about 90 MB with their libraries:
# xfwm4 (Xfce), metacity, icewm, fluxbox, i3, twm, kwin_x11 (KDE Plasma;
# kwin-style-breeze draws its title bars, without it windows get none),
# mutter (GNOME; it calls dbus-launch, from dbus-x11) and marco (MATE; it
# stops at start without the settings schemas of mate-settings-daemon-common).
# openbox is in the test packages.
window_manager_packages=(xfwm4 metacity icewm fluxbox i3-wm twm kwin-x11 kwin-style-breeze mutter
    dbus-x11 marco mate-settings-daemon-common)

# What scripts/screenshots needs besides: a private X server, keys and pictures.
screenshot_packages=(xvfb xdotool imagemagick)

# Packages from the list that are not installed yet.
missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q '^install ok installed$' ||
            printf '%s\n' "$package"
    done
}

# Installs whatever of the given Debian packages is missing; silent otherwise.
ensure_packages() {
    local missing
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || {
            echo "Missing packages (${missing[*]}) and no sudo to install them." >&2
            return 1
        }
        as_root=(sudo)
    fi
    echo "Installing ${missing[*]} ..."
    # Another apt run (a software centre, unattended upgrades) may hold the
    # package lock for a while: wait for it rather than fail.
    local wait_for_lock=(-o DPkg::Lock::Timeout=600)
    "${as_root[@]}" apt-get "${wait_for_lock[@]}" update -qq >/dev/null
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get "${wait_for_lock[@]}" install -y -qq --no-install-recommends "${missing[@]}" \
        >/dev/null
}

# Makes the given locales (such as de_DE.UTF-8) available where they are not
# yet; the tests run under some besides C.UTF-8.
ensure_locales() {
    local locale missing=()
    for locale in "$@"; do
        [ "$(LC_ALL=$locale locale charmap 2>/dev/null)" = UTF-8 ] || missing+=("$locale")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    ensure_packages locales

    local as_root=()
    [ "$(id -u)" -ne 0 ] && as_root=(sudo)
    echo "Generating the locales ${missing[*]} ..."
    for locale in "${missing[@]}"; do
        "${as_root[@]}" localedef -i "${locale%%.*}" -f UTF-8 "$locale"
    done
}

# Runs a noisy command quietly; shows its output only when it fails.
quietly() {
    local log
    log=$(mktemp)
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        return 1
    fi
    rm -f "$log"
}

# Configures and builds a Release build in build/ with the given extra options.
build_project() {
    quietly cmake -S "$project_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@"
    quietly cmake --build "$build_dir" --parallel "$(nproc)"
}
