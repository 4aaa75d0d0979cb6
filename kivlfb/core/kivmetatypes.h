#pragma once

// Types that travel in queued signals between the controller's components
// and threads; registered before any component exists.
class KivMetaTypes
{
public:
    static void registerAll();
};
