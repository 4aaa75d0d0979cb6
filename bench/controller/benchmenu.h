#pragma once

// The menu the measured display runs with: one product held for four hours,
// so that no hold runs out during a measurement, and never reset when its
// pan is away.
constexpr int kBenchProductId = 12;

constexpr char kBenchMenu[] = R"({
  "menuVersion": 1,
  "products": [
    { "productId": 0, "productName": { "eng_USA": "" }, "holdingTime": 0, "warningTime": 0,
      "lowerTemp": 150, "upperTemp": 160, "fanSpeed": 100, "resetTime": 0, "lidType": "None",
      "bottomType": "Normal", "zoneSplits": "1/2" },
    { "productId": 12, "productName": { "eng_USA": "Patty" }, "holdingTime": 14400,
      "warningTime": 300, "lowerTemp": 150, "upperTemp": 171, "fanSpeed": 80, "resetTime": 0,
      "lidType": "Solid", "bottomType": "Normal", "zoneSplits": "1/2" }
  ]
})";
