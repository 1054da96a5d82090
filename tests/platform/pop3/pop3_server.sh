#!/bin/bash
# A private dovecot POP3 server on 127.0.0.1 for Quillet's integration tests.
#
#   pop3_server.sh start DIR PORT TLS_PORT [--no-tls] [--owner PID] MAILBOX...
#   pop3_server.sh stop DIR
#
# MAILBOX is USER:PASSWORD:FILE,FILE,... (no files: an empty mailbox). Each file
# is stored as-is as one message, numbered in the order given.
# PORT serves plain POP3 with STLS, TLS_PORT implicit TLS; with --no-tls the
# server offers no TLS at all (and TLS_PORT is not used). DIR/ssl/cert.pem is the
# self-signed certificate to trust. With --owner, the server stops by itself
# once process PID has ended, so a crashed test leaves nothing running.
# Prints the server's PID. Exit: 0 ok, 2 usage, 3 port taken, 4 did not start.
set -euo pipefail

fail() { echo "pop3_server: $1" >&2; exit "${2:-2}"; }

stop_server() {
  local dir=$1 pid
  [[ -f "$dir/dovecot.pid" ]] || return 0
  pid=$(cat "$dir/dovecot.pid")
  # A throw-away server has nothing to save: end its whole process group at once
  # (setsid made the master the group's leader).
  kill -KILL -- "-$pid" 2>/dev/null || true
  for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.02; done
  rm -f "$dir/dovecot.pid"
}

if [[ "${1:-}" == stop ]]; then
  [[ $# -eq 2 ]] || fail "usage: $0 stop DIR"
  stop_server "$(cd "$2" && pwd)"
  exit 0
fi

[[ "${1:-}" == start && $# -ge 5 ]] || fail "usage: $0 start DIR PORT TLS_PORT [--no-tls] [--owner PID] MAILBOX..."
mkdir -p "$2"
dir=$(cd "$2" && pwd); port=$3; tls_port=$4; shift 4
tls=yes; owner=""
while [[ "${1:-}" == --* ]]; do
  case "$1" in
    --no-tls) tls=no; shift ;;
    --owner) owner=$2; shift 2 ;;
    *) fail "unknown option $1" ;;
  esac
done
command -v dovecot >/dev/null || fail "dovecot is not installed (Debian package dovecot-pop3d)" 4
# Unix sockets live under DIR and their paths are limited to about 100 bytes.
(( ${#dir} <= 70 )) || fail "folder path too long: $dir"
for p in "$port" "$tls_port"; do
  if (exec 3<>"/dev/tcp/127.0.0.1/$p") 2>/dev/null; then fail "port $p is taken" 3; fi
done

# Dovecot will not serve mail as root: as root the mail belongs to nobody, and
# otherwise every dovecot process runs as the calling user.
if [[ $(id -u) == 0 ]]; then
  mail_uid=$(id -u nobody); mail_gid=$(id -g nobody); as_user=""
else
  mail_uid=$(id -u); mail_gid=$(id -g)
  as_user="default_internal_user = $(id -un)
default_internal_group = $(id -gn)
default_login_user = $(id -un)
first_valid_uid = $mail_uid
service pop3-login {
  chroot =
}
service anvil {
  chroot =
}
service auth-worker {
  user = \$default_internal_user
}"
fi

# Stale sockets from an earlier run slow the start by seconds.
rm -rf "$dir/run" "$dir/state" "$dir/mail"
mkdir -p "$dir/run" "$dir/state" "$dir/ssl" "$dir/mail"
chmod 0755 "$dir"

if [[ ! -s "$dir/ssl/cert.pem" ]]; then
  openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 7 -subj /CN=localhost \
    -addext "subjectAltName=IP:127.0.0.1,DNS:localhost" \
    -keyout "$dir/ssl/key.pem" -out "$dir/ssl/cert.pem" 2>/dev/null
  chmod 0600 "$dir/ssl/key.pem"
fi

: > "$dir/users"
for mailbox in "$@"; do
  IFS=: read -r user password files <<< "$mailbox"
  [[ -n "$user" && -n "$password" ]] || fail "bad mailbox $mailbox"
  home="$dir/mail/$user"
  mkdir -p "$home/Maildir/cur" "$home/Maildir/new" "$home/Maildir/tmp"
  printf '%s:{PLAIN}%s:%s:%s::%s::\n' "$user" "$password" "$mail_uid" "$mail_gid" "$home" >> "$dir/users"
  n=0; IFS=, read -r -a list <<< "$files"
  for file in "${list[@]}"; do
    n=$((n + 1))
    cp "$file" "$home/Maildir/new/$((1000000000 + n)).M${n}.quillet"   # name order is message order
  done
done
chmod 0644 "$dir/users"
chown -R "$mail_uid:$mail_gid" "$dir/mail"

tls_settings="ssl = no"
tls_listener=""
if [[ $tls == yes ]]; then
  tls_settings="ssl = yes
ssl_cert = <$dir/ssl/cert.pem
ssl_key = <$dir/ssl/key.pem"
  [[ -f /usr/share/dovecot/dh.pem ]] && tls_settings+=$'\nssl_dh = </usr/share/dovecot/dh.pem'
  tls_listener="inet_listener pop3s {
    port = $tls_port
    ssl = yes
  }"
fi

cat > "$dir/dovecot.conf" <<CONF
# Written by pop3_server.sh for one test run; reads nothing from /etc/dovecot.
protocols = pop3
listen = 127.0.0.1
base_dir = $dir/run
state_dir = $dir/state
instance_name = quillet-pop3-$port
log_path = $dir/dovecot.log
auth_verbose = yes
$tls_settings
disable_plaintext_auth = no
auth_mechanisms = plain login
auth_failure_delay = 0
passdb {
  driver = passwd-file
  args = scheme=PLAIN username_format=%u $dir/users
}
userdb {
  driver = passwd-file
  args = username_format=%u $dir/users
}
mail_location = maildir:~/Maildir
service pop3-login {
  inet_listener pop3 {
    port = $port
  }
  $tls_listener
}
# Without this socket a failed login delays every later login from the same
# address by up to 15 seconds.
service anvil {
  unix_listener anvil-auth-penalty {
    mode = 0
  }
}
$as_user
CONF

dovecot -n -c "$dir/dovecot.conf" > /dev/null 2> "$dir/config.err" || fail "bad configuration: $(cat "$dir/config.err")" 4
: > "$dir/dovecot.log"
setsid dovecot -F -c "$dir/dovecot.conf" < /dev/null >> "$dir/dovecot.log" 2>&1 &
pid=$!
echo "$pid" > "$dir/dovecot.pid"

# An open port is not enough: wait for the greeting.
deadline=$((SECONDS + 20))
until reply=$(timeout 2 bash -c "exec 3<>/dev/tcp/127.0.0.1/$port && head -c 3 <&3" 2>/dev/null) && [[ $reply == "+OK" ]]; do
  if ! kill -0 "$pid" 2>/dev/null || (( SECONDS >= deadline )); then
    tail -n 20 "$dir/dovecot.log" >&2
    stop_server "$dir"
    fail "the server did not start" 4
  fi
  sleep 0.05
done
if [[ $tls == yes ]] && ! (exec 3<>"/dev/tcp/127.0.0.1/$tls_port") 2>/dev/null; then
  stop_server "$dir"
  fail "port $tls_port is not served" 4
fi

if [[ -n "$owner" ]]; then
  script=$(readlink -f "$0")
  setsid bash -c "while kill -0 $owner 2>/dev/null && kill -0 $pid 2>/dev/null; do sleep 1; done; '$script' stop '$dir'" \
    < /dev/null > /dev/null 2>&1 &
fi
echo "$pid"
