#pragma once

// A window background that can tell its owner about changes to itself.
class OMBackground
{
public:
    class Delegate
    {
    public:
        virtual ~Delegate() = default;
        virtual void backgroundChanged() = 0;
    };
};
