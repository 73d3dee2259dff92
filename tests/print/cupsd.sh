# Shared by the print tests: a cupsd of the test's own in a temporary folder, reached through a socket
# there, with one queue that turns what it gets into a PDF file in that folder and is the server's default.
# start_cupsd FOLDER sets CUPS_SERVER (exported) and CUPSD_PID; the queue writes FOLDER/out/page.pdf.

start_cupsd() {
    local folder=$1
    for tool in cupsd lpadmin lpstat; do
        command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] ||
            { echo "FAIL: $tool is not installed; ./dev test installs cups"; exit 1; }
    done
    mkdir -p "$folder"/{etc,spool,tmp,cache,state,log,out,home}
    # The filters run as lp: they read the spool and write the output there.
    chmod 0777 "$folder"/{tmp,cache,out}
    chmod 0755 "$folder"
    cat >"$folder/etc/cupsd.conf" <<CONF
Listen $folder/cups.sock
LogLevel warn
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    cat >"$folder/etc/cups-files.conf" <<CONF
ServerRoot $folder/etc
RequestRoot $folder/spool
TempDir $folder/tmp
CacheDir $folder/cache
StateDir $folder/state
AccessLog $folder/log/access_log
ErrorLog $folder/log/error_log
PageLog $folder/log/page_log
FileDevice Yes
CONF
    # Not root: the server and its filters run as this user, as CUPS's own tests run it.
    if [ "$(id -u)" != 0 ]; then
        printf 'User %s\nGroup %s\nSystemGroup %s\n' "$(id -un)" "$(id -gn)" "$(id -gn)" >>"$folder/etc/cups-files.conf"
    fi
    PATH=/usr/sbin:$PATH cupsd -f -c "$folder/etc/cupsd.conf" -s "$folder/etc/cups-files.conf" &
    CUPSD_PID=$!
    export CUPS_SERVER=$folder/cups.sock
    for _ in $(seq 100); do [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break; sleep 0.1; done
    PATH=/usr/sbin:$PATH lpadmin -p dabtest -E -v "file://$folder/out/page.pdf" \
        -P /usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>"$folder/log/lpadmin" ||
        { echo "FAIL: the test's cupsd took no queue"; cat "$folder/log/lpadmin" "$folder/log/error_log"; exit 1; }
    PATH=/usr/sbin:$PATH lpadmin -d dabtest
}
