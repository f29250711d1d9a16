// Recorder for bench/synth.sh (not a benchmark by itself): records a
// PulseAudio source, the sink's monitor, to standard output as raw 16-bit
// mono at 44.1 kHz in 10 ms fragments, as `parec --raw --latency-msec=10`
// does, but without keeping the sink awake: with module-suspend-on-idle the
// sink suspends while nothing plays, as on a desktop, and the probe hears the
// synthesizer wake it. Usage: monitor_record SOURCE. Ends when standard
// output is closed or the server goes.

#include <pulse/pulseaudio.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <vector>

namespace {

pa_mainloop* loop = nullptr;

bool writeAll(const void* data, size_t size) {
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = write(1, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

void readable(pa_stream* stream, size_t, void*) {
    const void* data = nullptr;
    size_t size = 0;
    while (pa_stream_readable_size(stream) > 0) {
        if (pa_stream_peek(stream, &data, &size) < 0 || size == 0) return;
        // A hole in the stream is silence of its length: the samples keep their time.
        bool written = true;
        if (data) {
            written = writeAll(data, size);
        } else {
            const std::vector<char> zeros(size);
            written = writeAll(zeros.data(), size);
        }
        pa_stream_drop(stream);
        if (!written) {
            pa_mainloop_quit(loop, 0);
            return;
        }
    }
}

void streamState(pa_stream* stream, void*) {
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED) pa_mainloop_quit(loop, 1);
}

void contextState(pa_context* context, void* source) {
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY: {
            const pa_sample_spec format{PA_SAMPLE_S16LE, 44100, 1};
            pa_stream* stream = pa_stream_new(context, "bench recording", &format, nullptr);
            if (!stream) {
                pa_mainloop_quit(loop, 1);
                return;
            }
            pa_stream_set_read_callback(stream, readable, nullptr);
            pa_stream_set_state_callback(stream, streamState, nullptr);
            pa_buffer_attr attr{};
            attr.maxlength = static_cast<uint32_t>(-1);
            attr.fragsize = static_cast<uint32_t>(pa_usec_to_bytes(10000, &format));
            const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_ADJUST_LATENCY |
                                                              PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND);
            if (pa_stream_connect_record(stream, static_cast<const char*>(source), &attr, flags) < 0)
                pa_mainloop_quit(loop, 1);
            break;
        }
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            pa_mainloop_quit(loop, 1);
            break;
        default:
            break;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: monitor_record SOURCE\n");
        return 2;
    }
    std::signal(SIGPIPE, SIG_IGN);
    loop = pa_mainloop_new();
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "bench recording");
    pa_context_set_state_callback(context, contextState, argv[1]);
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0) {
        std::fprintf(stderr, "monitor_record: %s\n", pa_strerror(pa_context_errno(context)));
        return 1;
    }
    int code = 0;
    pa_mainloop_run(loop, &code);
    pa_context_disconnect(context);
    pa_context_unref(context);
    pa_mainloop_free(loop);
    return code;
}
