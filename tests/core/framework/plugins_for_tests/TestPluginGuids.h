// Format GUIDs of the test plug-ins, one per behaviour (ok, entry returns null, cannot open,
// stored error, stops itself, slow). Library B knows only the first.
#pragma once

namespace test_plugins {
constexpr const char16_t* kGuidsA[] = {
    u"{A0000000-0000-4000-8000-000000000001}", u"{A0000000-0000-4000-8000-000000000002}",
    u"{A0000000-0000-4000-8000-000000000003}", u"{A0000000-0000-4000-8000-000000000004}",
    u"{A0000000-0000-4000-8000-000000000005}", u"{A0000000-0000-4000-8000-000000000006}"};
constexpr const char16_t* kGuidsB[] = {
    u"{B0000000-0000-4000-8000-000000000001}", nullptr, nullptr, nullptr, nullptr, nullptr};
}  // namespace test_plugins
