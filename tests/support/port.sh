# Sourced by the scripts that read the port file: byte 55 (port 155) and a
# wait for a value of it, through port-watch. Needs $build (the Linux build)
# and checks.sh; the port file is $port unless named.

# The port file's name in whichever folder the panel writes it.
port_file_name=emu_port.dat

watch=$build/soak/port-watch
need "build first" "$watch"

# port_byte [FILE]: byte 55 of the port file, nothing when there is none.
port_byte() { od -An -tu1 -j55 -N1 "${1:-$port}" 2>/dev/null | tr -d ' '; }

# expect_port VALUE SECONDS TEXT [FILE]: passes once byte 55 reads VALUE,
# fails (and goes on) when it has not after SECONDS.
expect_port() {
    local file=${4:-$port} seen
    if "$watch" wait "$file" "$1" $(($2 * 1000)); then
        pass "$3"
    else
        seen=$(port_byte "$file")
        fail "$3 (read ${seen:-nothing})"
    fi
}

# A directory in the port file's place, put there between two of the panel's
# writes: a write that lands between the removal and mkdir makes the file
# again, so it is tried again.
port_dir_in_place() {
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        rm -f "$port"
        mkdir "$port" 2>/dev/null && return 0
    done
    echo "no directory could take the place of $port" >&2
    return 1
}
