# The Debian packages each kind of build needs; sourced by ./run and ./test.
BUILD_PACKAGES=(g++ cmake ninja-build libcli11-dev nlohmann-json3-dev)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev)
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The Qt window (cmake -DWEXA_GUI=ON); xvfb and xauth to look at it on a
# virtual screen. Not yet installed by ./run or ./test.
GUI_PACKAGES=(qt6-base-dev qt6-charts-dev qt6-svg-dev xvfb xauth)
