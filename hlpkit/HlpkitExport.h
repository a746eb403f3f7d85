#pragma once

#define HLPKIT_EXPORT __attribute__((visibility("default")))
