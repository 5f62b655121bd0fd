// Writes the fretboard picture as a 24-bit Windows bitmap, the form of
// bitmap resource 130, for looking at it or for tools that want a file.
#include <cstdio>

#include "resources/art/BmpWriter.h"
#include "resources/art/FretboardPicture.h"

int main(int argc, char** argv)
{
    const char* path = argc > 1 ? argv[1] : "fretboard.bmp";
    if (argc > 2) {
        std::fprintf(stderr, "usage: %s [output.bmp]\n", argv[0]);
        return 2;
    }
    if (!sonnavet::WriteBmpFile(sonnavet::RenderFretboardPicture(), path)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], path);
        return 1;
    }
    return 0;
}
