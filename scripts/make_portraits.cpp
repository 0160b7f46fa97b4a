// Draws the sample's pilot portraits: small head-and-shoulders figures in flying kit, each with
// its own colours, written as JPEG pictures under the names the game's career folders use.
//
//   g++ -std=c++20 -O2 scripts/make_portraits.cpp -ljpeg -o /tmp/make_portraits
//   /tmp/make_portraits sample/game data
//
// The first folder receives DGen/Photo.bmp and the numbered portraits of DGen/US, DGen/UN and
// DGen/JA; the second receives aces/nopilot.bmp, the picture shown for a portrait that cannot
// be decoded.

#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 80;

struct Colour {
  unsigned char r, g, b;
};

struct Portrait {
  Colour background;
  Colour skin;
  Colour hair;
  Colour jacket;
  bool helmet;  // a leather flying helmet instead of hair
  bool goggles;
};

class Canvas {
 public:
  Canvas() : pixels_(kWidth * kHeight * 3) {}
  void Fill(Colour c) {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) Set(x, y, c);
    }
  }
  void Ellipse(double cx, double cy, double rx, double ry, Colour c) {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        if (dx * dx + dy * dy <= 1.0) Set(x, y, c);
      }
    }
  }
  void Rect(int x0, int y0, int x1, int y1, Colour c) {
    for (int y = y0; y < y1 && y < kHeight; ++y) {
      for (int x = x0; x < x1 && x < kWidth; ++x) Set(x, y, c);
    }
  }
  const std::vector<unsigned char>& Pixels() const { return pixels_; }

 private:
  void Set(int x, int y, Colour c) {
    unsigned char* p = &pixels_[(y * kWidth + x) * 3];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
  }
  std::vector<unsigned char> pixels_;
};

Colour Darker(Colour c, double factor) {
  return {static_cast<unsigned char>(c.r * factor), static_cast<unsigned char>(c.g * factor),
          static_cast<unsigned char>(c.b * factor)};
}

Canvas Draw(const Portrait& p) {
  Canvas canvas;
  canvas.Fill(p.background);
  canvas.Ellipse(32, 84, 30, 26, p.jacket);             // shoulders
  canvas.Rect(26, 52, 38, 62, Darker(p.skin, 0.85));    // neck
  canvas.Ellipse(32, 60, 9, 4, Darker(p.jacket, 0.7));  // collar
  canvas.Ellipse(32, 36, 14, 18, p.skin);               // face
  if (p.helmet) {
    canvas.Ellipse(32, 27, 16, 12, p.hair);
    canvas.Rect(16, 27, 20, 44, p.hair);  // ear flaps
    canvas.Rect(44, 27, 48, 44, p.hair);
  } else {
    canvas.Ellipse(32, 22, 14, 7, p.hair);
  }
  if (p.goggles) {
    canvas.Ellipse(26, 24, 4, 3, Colour{60, 70, 80});
    canvas.Ellipse(38, 24, 4, 3, Colour{60, 70, 80});
  }
  canvas.Ellipse(27, 35, 1.5, 1.5, Colour{30, 30, 30});  // eyes
  canvas.Ellipse(37, 35, 1.5, 1.5, Colour{30, 30, 30});
  canvas.Rect(28, 45, 36, 46, Darker(p.skin, 0.6));  // mouth
  return canvas;
}

bool WriteJpeg(const std::filesystem::path& path, const Canvas& canvas) {
  std::filesystem::create_directories(path.parent_path());
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, out);
  info.image_width = kWidth;
  info.image_height = kHeight;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 85, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<unsigned char*>(&canvas.Pixels()[info.next_scanline * kWidth * 3]);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return std::fclose(out) == 0;
}

// Colours that vary from one portrait to the next without any two being alike.
Portrait Varied(int seed, Colour jacket, bool helmets) {
  const Colour skins[] = {{232, 196, 170}, {214, 170, 135}, {196, 150, 112}, {240, 210, 185}};
  const Colour hairs[] = {{60, 40, 25}, {120, 85, 50}, {30, 25, 20}, {170, 130, 70}};
  const Colour backgrounds[] = {{150, 165, 180}, {170, 160, 140}, {130, 150, 140}, {180, 175, 165}};
  return Portrait{backgrounds[seed % 4],
                  skins[(seed / 2) % 4],
                  helmets ? Colour{95, 65, 40} : hairs[(seed + 1) % 4],
                  jacket,
                  helmets && seed % 2 == 0,
                  seed % 3 == 0};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <game folder> <data folder>\n", argv[0]);
    return 2;
  }
  const std::filesystem::path game = argv[1];
  const std::filesystem::path data = argv[2];
  struct Set {
    const char* folder;
    int first;
    int count;
    Colour jacket;
    bool helmets;
  };
  const Set sets[] = {{"DGen/US", 1, 5, {110, 80, 50}, false},
                      {"DGen/UN", 1, 3, {40, 55, 90}, true},
                      {"DGen/JA", 0, 6, {95, 100, 60}, true}};
  bool ok = true;
  for (const Set& set : sets) {
    for (int n = 0; n < set.count; ++n) {
      char name[8];
      std::snprintf(name, sizeof name, "%02d.bmp", set.first + n);
      ok &= WriteJpeg(game / set.folder / name, Draw(Varied(n, set.jacket, set.helmets)));
    }
  }
  ok &= WriteJpeg(
      game / "DGen/Photo.bmp",
      Draw(Portrait{{160, 160, 160}, {205, 180, 160}, {90, 90, 90}, {90, 90, 90}, false, false}));
  const Colour grey{120, 120, 120};
  ok &= WriteJpeg(data / "aces/nopilot.bmp",
                  Draw(Portrait{{200, 200, 200}, grey, grey, grey, true, false}));
  return ok ? 0 : 1;
}
