#include "core/appsettings.h"
#include "fuzzdevice.h"
#include "tests/common/records.h"

#include <QBuffer>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using testrecords::parse;
using testrecords::serialise;

void fail(const char *what)
{
    fprintf(stderr, "settings reader: %s\n", what);
    abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), int(size));

    AppSettings a;
    const SettingsRead ra = parse(input, &a);

    // A pipe gives the same result as a file.
    AppSettings b;
    SequentialDevice pipe(input);
    const SettingsRead rb = readSettings(&pipe, &b);
    const QByteArray out = serialise(a);
    if (ra != rb || out != serialise(b))
        fail("pipe and buffer disagree");

    // Whatever was read is a record that writes and reads back unchanged.
    AppSettings c;
    if (parse(out, &c) != SettingsRead::Complete)
        fail("written record does not read back");
    if (serialise(c) != out)
        fail("record changed in a round trip");
    return 0;
}
