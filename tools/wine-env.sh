# Sourced by every script that runs Wine. Sets TIDY_WIN_TREE, the Windows build tree
# whose programs run here (see wine-arch.sh), and where that is the 64-bit one, puts
# Wine's 64-bit loader first on PATH.
tidy_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
TIDY_WIN_TREE=${TIDY_WIN_TREE:-$("$tidy_tools/wine-arch.sh")}
export TIDY_WIN_TREE
if [ "$TIDY_WIN_TREE" = win64 ]; then
  case ":$PATH:" in
    *":$tidy_tools/wine64-shim:"*) ;;
    *) PATH="$tidy_tools/wine64-shim:$PATH" ;;
  esac
  export PATH
fi
