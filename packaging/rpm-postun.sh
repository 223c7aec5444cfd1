# The removed rule stops applying to devices plugged in from now on.
if command -v udevadm >/dev/null 2>&1; then
    udevadm control --reload-rules 2>/dev/null || :
fi
